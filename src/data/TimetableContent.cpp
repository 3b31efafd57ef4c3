#include "TimetableContent.h"

#include "Geometry.h"
#include "NumberText.h"
#include "SlotIds.h"
#include "TimeText.h"
#include "TimetableView.h"
#include "ViewKind.h"

namespace {

const QString LineBreak = QStringLiteral("\r\n");

int storedTwips(const QVariant& stored, int fallback) {
    return NumberText::twips(stored.toString()).value_or(fallback);
}

Result<QList<PeriodColumn>> readColumns(const DBConnection& db, int timetableId) {
    Result<QSqlQuery> query =
        db.exec(QStringLiteral("SELECT XTitle.ID, XTitle.Width, XTitle.StartTime, XTitle.Duration, "
                               "XTitle.SpecialID AS sID, Special.Name AS name FROM XTitle, Special "
                               "WHERE XTitle.SpecialID = Special.ID AND XTitle.TimeTableViewID = ? "
                               "ORDER BY XTitle.StartTime, XTitle.ID"),
                {timetableId});
    if (!query)
        return query.error();
    QList<PeriodColumn> columns;
    QSqlQuery& q = query.value();
    while (q.next()) {
        PeriodColumn column;
        column.id = q.value(0).toInt();
        column.width = storedTwips(q.value(1), Geometry::DefaultColWidth);
        column.start = TimeText::parse(q.value(2).toString()).value_or(QTime(0, 0));
        column.duration = NumberText::minutes(q.value(3).toString()).value_or(0);
        column.specialId = q.value(4).toInt();
        column.specialName = q.value(5).toString();
        columns << column;
    }
    return columns;
}

Result<QList<DayRow>> readDays(const DBConnection& db, int timetableId) {
    Result<QSqlQuery> query = db.exec(
        QStringLiteral("SELECT ID, DOW, Height FROM YTitle WHERE TimeTableViewID = ? ORDER BY ID"),
        {timetableId});
    if (!query)
        return query.error();
    QList<DayRow> days;
    QSqlQuery& q = query.value();
    while (q.next())
        days << DayRow{q.value(0).toInt(), q.value(1).toString(),
                       storedTwips(q.value(2), Geometry::DefaultRowHeight)};
    return days;
}

// The slot columns a drawing needs with the names of what each slot holds; the WHERE clause
// goes on with "AND".
const QString DrawnSlotSelect = QStringLiteral(
    "SELECT Slot.ID, Slot.SpecialID, Tutor.Name AS tutorname, Subject.Name AS subjectname, "
    "Room.Name AS roomname, Class.Name AS classname, Slot.StartTime, Slot.DOW, Slot.ClassID, "
    "Slot.TutorID, Slot.RoomID FROM Slot, Subject, Class, Tutor, Room "
    "WHERE Slot.SubjectID = Subject.ID AND Slot.ClassID = Class.ID "
    "AND Slot.TutorID = Tutor.ID AND Slot.RoomID = Room.ID ");

DrawnSlot drawnSlotOf(const QSqlQuery& q) {
    return DrawnSlot{q.value(0).toInt(),    q.value(1).toInt(),    q.value(2).toString(),
                     q.value(3).toString(), q.value(4).toString(), q.value(5).toString()};
}

// All cellSlots of the owner in one statement; the cell of each is found by start time and day.
Result<QHash<QString, DrawnSlot>> readCellSlots(const DBConnection& db, int timetableId,
                                                const QString& viewBy, int ownerId) {
    QHash<QString, DrawnSlot> cellSlots;
    const std::optional<ViewKind> kind = viewKindFromText(viewBy);
    if (!kind)
        return cellSlots;
    const QString column = ownerColumn(*kind);
    Result<QSqlQuery> query = db.exec(
        DrawnSlotSelect +
            QStringLiteral(
                "AND Slot.%1 = ? "
                "AND Slot.StartTime IN (SELECT StartTime FROM XTitle WHERE TimeTableViewID = ?) "
                "AND Slot.DOW IN (SELECT DOW FROM YTitle WHERE TimeTableViewID = ?) "
                "ORDER BY Slot.ID")
                .arg(column),
        {ownerId, timetableId, timetableId});
    if (!query)
        return query.error();
    QSqlQuery& q = query.value();
    while (q.next()) {
        const std::optional<QTime> start = TimeText::parse(q.value(6).toString());
        if (!start)
            continue;
        const QString key = TimetableContent::cellKey(*start, q.value(7).toString());
        if (!cellSlots.contains(key))
            cellSlots.insert(key, drawnSlotOf(q));
    }
    return cellSlots;
}

// One stored size that differs from the grid's.
struct SizeUpdate {
    QString sql;
    QVariantList values;
};

bool sameTwips(const QVariant& stored, int twips) {
    return NumberText::twips(stored.toString()) == std::optional<int>(twips);
}

// The stored sizes of a timetable's columns or days, by id.
Result<QHash<int, QVariant>> storedSizes(const DBConnection& db, const QString& sql,
                                         int timetableId) {
    Result<QSqlQuery> query = db.exec(sql, {timetableId});
    if (!query)
        return query.error();
    QHash<int, QVariant> sizes;
    QSqlQuery& q = query.value();
    while (q.next())
        sizes.insert(q.value(0).toInt(), q.value(1));
    return sizes;
}

// An update for each listed size that differs from the stored one; an id the timetable no
// longer holds is left out, as its update would change nothing.
Result<void> addChanged(QList<SizeUpdate>& updates, const DBConnection& db, const QString& readSql,
                        const QString& writeSql, int timetableId,
                        const QList<std::pair<int, int>>& sizes) {
    Result<QHash<int, QVariant>> stored = storedSizes(db, readSql, timetableId);
    if (!stored)
        return stored.error();
    for (const auto& [id, twips] : sizes) {
        const auto found = stored.value().constFind(id);
        if (found != stored.value().constEnd() && !sameTwips(found.value(), twips))
            updates.append({writeSql, {twips, id}});
    }
    return {};
}

Result<QList<SizeUpdate>> changedSizes(const DBConnection& db, int timetableId,
                                       const TimetableGeometry& geometry) {
    QList<SizeUpdate> updates;
    Result<std::optional<QSqlRecord>> header = db.firstRow(
        QStringLiteral("SELECT FixedRowHeight, FixedColWidth FROM TimeTableView WHERE ID = ?"),
        {timetableId});
    if (!header)
        return header.error();
    if (header.value() && (!sameTwips(header.value()->value(0), geometry.fixedRowHeight) ||
                           !sameTwips(header.value()->value(1), geometry.fixedColWidth)))
        updates.append(
            {QStringLiteral(
                 "UPDATE TimeTableView SET FixedRowHeight = ?, FixedColWidth = ? WHERE ID = ?"),
             {geometry.fixedRowHeight, geometry.fixedColWidth, timetableId}});
    if (Result<void> columns = addChanged(
            updates, db, QStringLiteral("SELECT ID, Width FROM XTitle WHERE TimeTableViewID = ?"),
            QStringLiteral("UPDATE XTitle SET Width = ? WHERE ID = ?"), timetableId,
            geometry.columnWidths);
        !columns)
        return columns.error();
    if (Result<void> days = addChanged(
            updates, db, QStringLiteral("SELECT ID, Height FROM YTitle WHERE TimeTableViewID = ?"),
            QStringLiteral("UPDATE YTitle SET Height = ? WHERE ID = ?"), timetableId,
            geometry.rowHeights);
        !days)
        return days.error();
    return updates;
}

} // namespace

QString TimetableContent::cellKey(QTime start, const QString& dow) {
    return TimeText::canonical(start) + QLatin1Char('|') + dow;
}

const DrawnSlot* TimetableContent::slotAt(QTime start, const QString& dow) const {
    const auto found = cellSlots.constFind(cellKey(start, dow));
    return found == cellSlots.constEnd() ? nullptr : &found.value();
}

QList<std::pair<int, int>> TimetableContent::cellsAt(QTime start, const QString& dow) const {
    QList<std::pair<int, int>> cells;
    for (int c = 1; c <= columns.size(); ++c) {
        if (columns[c - 1].start != start)
            continue;
        for (int r = 1; r <= days.size(); ++r) {
            if (days[r - 1].dow == dow)
                cells.append({r, c});
        }
    }
    return cells;
}

std::optional<TimetableOwner> TimetableContent::owner() const {
    const std::optional<ViewKind> kind = viewKindFromText(viewBy);
    if (!kind)
        return std::nullopt;
    return TimetableOwner{*kind, ownerId};
}

namespace TimetableStore {

Result<QString> title(const DBConnection& db, const QString& viewBy, int classId, int tutorId,
                      int roomId) {
    const std::optional<ViewKind> kind = viewKindFromText(viewBy);
    if (!kind)
        return QString();
    const QString table = viewKindText(*kind);
    const int ownerId = TimetableView{0, viewBy, classId, roomId, tutorId}.ownerId();
    Result<std::optional<QSqlRecord>> row =
        db.firstRow(QStringLiteral("SELECT Name FROM %1 WHERE ID = ?").arg(table), {ownerId});
    if (!row)
        return row.error();
    if (!row.value())
        return QString();
    return table + QLatin1Char(' ') + row.value()->value(0).toString();
}

static Result<std::optional<QSqlRecord>> readViewRow(const DBConnection& db, int timetableId) {
    return db.firstRow(
        QStringLiteral("SELECT ID, %1, FixedRowHeight, FixedColWidth, ViewBy, ClassID, RoomID, "
                       "TutorID FROM TimeTableView WHERE ID = ?")
            .arg(TimetableLook::columns().join(QStringLiteral(", "))),
        {timetableId});
}

Result<std::optional<TimetableContent>> read(const DBConnection& db, int timetableId) {
    Result<std::optional<QSqlRecord>> row = readViewRow(db, timetableId);
    if (!row)
        return row.error();
    if (!row.value())
        return std::optional<TimetableContent>();
    const QSqlRecord& r = *row.value();

    TimetableContent content;
    content.id = timetableId;
    content.viewBy = r.value("ViewBy").toString();
    const int classId = r.value("ClassID").toInt();
    const int tutorId = r.value("TutorID").toInt();
    const int roomId = r.value("RoomID").toInt();
    content.ownerId =
        TimetableView{timetableId, content.viewBy, classId, roomId, tutorId}.ownerId();
    content.look = TimetableLook::fromRecord(r);
    content.fixedRowHeight =
        storedTwips(r.value("FixedRowHeight"), Geometry::DefaultFixedRowHeight);
    content.fixedColWidth = storedTwips(r.value("FixedColWidth"), Geometry::DefaultFixedColWidth);

    Result<QString> caption = title(db, content.viewBy, classId, tutorId, roomId);
    if (!caption)
        return caption.error();
    content.title = caption.value();
    Result<QList<PeriodColumn>> columns = readColumns(db, timetableId);
    if (!columns)
        return columns.error();
    content.columns = columns.value();
    Result<QList<DayRow>> days = readDays(db, timetableId);
    if (!days)
        return days.error();
    content.days = days.value();
    Result<QHash<QString, DrawnSlot>> cellSlots =
        readCellSlots(db, timetableId, content.viewBy, content.ownerId);
    if (!cellSlots)
        return cellSlots.error();
    content.cellSlots = cellSlots.value();
    return std::optional<TimetableContent>(std::move(content));
}

Result<QHash<TimetableOwner, DrawnSlot>> slotsAt(const DBConnection& db, QTime start,
                                                 const QString& dow,
                                                 const QList<TimetableOwner>& owners) {
    QHash<TimetableOwner, DrawnSlot> found;
    if (owners.isEmpty())
        return found;
    QStringList ownerTests;
    QVariantList values;
    for (const TimetableOwner& owner : owners) {
        // Each test whole, time included, so that each is answered from its owner's index with
        // the owner's few rows; the time index would read one row per class of the school.
        ownerTests << QStringLiteral("(Slot.%1 = ? AND Slot.StartTime = ? AND Slot.DOW = ?)")
                          .arg(ownerColumn(owner.kind));
        values << owner.id << TimeText::canonical(start) << dow;
    }
    Result<QSqlQuery> query =
        db.exec(DrawnSlotSelect + QStringLiteral("AND (%1) ORDER BY Slot.ID")
                                      .arg(ownerTests.join(QStringLiteral(" OR "))),
                values);
    if (!query)
        return query.error();
    QSqlQuery& q = query.value();
    while (q.next()) {
        const SlotIds ids{1, q.value(8).toInt(), q.value(9).toInt(), q.value(10).toInt()};
        for (const TimetableOwner& owner : owners) {
            if (ids.resource(owner.kind) == owner.id && !found.contains(owner))
                found.insert(owner, drawnSlotOf(q));
        }
    }
    return found;
}

Result<void> saveGeometry(const DBConnection& db, int timetableId,
                          const TimetableGeometry& geometry) {
    // Showing a timetable stores its sizes; most of the time none changed, and a write would
    // wait for every other reader of the file and fail on a full disk.
    Result<QList<SizeUpdate>> updates = changedSizes(db, timetableId, geometry);
    if (!updates)
        return updates.error();
    if (updates.value().isEmpty())
        return {};
    Transaction transaction(db);
    if (!transaction.started())
        return transaction.started().error();
    for (const SizeUpdate& update : updates.value()) {
        if (Result<void> done = db.run(update.sql, update.values); !done)
            return done;
    }
    return transaction.commit();
}

QString formatSlotText(const QString& tutor, const QString& subject, const QString& room,
                       const QString& className, const QString& viewBy) {
    if (viewBy == QLatin1String("Class"))
        return tutor + LineBreak + subject + LineBreak + room;
    if (viewBy == QLatin1String("Tutor"))
        return className + LineBreak + subject + LineBreak + room;
    if (viewBy == QLatin1String("Room"))
        return tutor + LineBreak + subject + LineBreak + className;
    return {};
}

} // namespace TimetableStore
