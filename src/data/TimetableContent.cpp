#include "TimetableContent.h"

#include "TimeText.h"
#include "TimetableView.h"
#include "ViewKind.h"

namespace {

const QString LineBreak = QStringLiteral("\r\n");

Result<QList<PeriodColumn>> readColumns(const DBConnection& db, int timetableId) {
    Result<QSqlQuery> query = db.exec(
        QStringLiteral("SELECT XTitle.ID, XTitle.Width, XTitle.StartTime, XTitle.Duration, "
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
        column.width = q.value(1).toInt();
        column.start = TimeText::parse(q.value(2).toString()).value_or(QTime(0, 0));
        column.duration = q.value(3).toInt();
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
        days << DayRow{q.value(0).toInt(), q.value(1).toString(), q.value(2).toInt()};
    return days;
}

// All cellSlots of the owner in one statement; the cell of each is found by start time and day.
Result<QHash<QString, DrawnSlot>> readCellSlots(const DBConnection& db, int timetableId, const QString& viewBy,
                                                int ownerId) {
    QHash<QString, DrawnSlot> cellSlots;
    const std::optional<ViewKind> kind = viewKindFromText(viewBy);
    if (!kind)
        return cellSlots;
    const QString column = ownerColumn(*kind);
    Result<QSqlQuery> query = db.exec(
        QStringLiteral("SELECT Slot.ID, Slot.StartTime, Slot.DOW, Slot.SpecialID, "
                       "Tutor.Name AS tutorname, Subject.Name AS subjectname, "
                       "Room.Name AS roomname, Class.Name AS classname "
                       "FROM Slot, Subject, Class, Tutor, Room "
                       "WHERE Slot.SubjectID = Subject.ID AND Slot.ClassID = Class.ID "
                       "AND Slot.TutorID = Tutor.ID AND Slot.RoomID = Room.ID AND Slot.%1 = ? "
                       "AND Slot.StartTime IN (SELECT StartTime FROM XTitle WHERE TimeTableViewID = ?) "
                       "AND Slot.DOW IN (SELECT DOW FROM YTitle WHERE TimeTableViewID = ?) "
                       "ORDER BY Slot.ID")
            .arg(column),
        {ownerId, timetableId, timetableId});
    if (!query)
        return query.error();
    QSqlQuery& q = query.value();
    while (q.next()) {
        const std::optional<QTime> start = TimeText::parse(q.value(1).toString());
        if (!start)
            continue;
        const QString key = TimetableContent::cellKey(*start, q.value(2).toString());
        if (cellSlots.contains(key))
            continue;
        cellSlots.insert(key, DrawnSlot{q.value(0).toInt(), q.value(3).toInt(), q.value(4).toString(),
                                   q.value(5).toString(), q.value(6).toString(), q.value(7).toString()});
    }
    return cellSlots;
}

} // namespace

QString TimetableContent::cellKey(QTime start, const QString& dow) {
    return TimeText::canonical(start) + QLatin1Char('|') + dow;
}

const DrawnSlot* TimetableContent::slotAt(QTime start, const QString& dow) const {
    const auto found = cellSlots.constFind(cellKey(start, dow));
    return found == cellSlots.constEnd() ? nullptr : &found.value();
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
    content.ownerId = TimetableView{timetableId, content.viewBy, classId, roomId, tutorId}.ownerId();
    content.look = TimetableLook::fromRecord(r);
    content.fixedRowHeight = r.value("FixedRowHeight").toInt();
    content.fixedColWidth = r.value("FixedColWidth").toInt();

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
    Result<QHash<QString, DrawnSlot>> cellSlots = readCellSlots(db, timetableId, content.viewBy, content.ownerId);
    if (!cellSlots)
        return cellSlots.error();
    content.cellSlots = cellSlots.value();
    return std::optional<TimetableContent>(std::move(content));
}

Result<void> saveGeometry(const DBConnection& db, int timetableId, const TimetableGeometry& geometry) {
    Transaction transaction(db);
    if (!transaction.started())
        return transaction.started().error();
    Result<void> header = db.run(
        QStringLiteral("UPDATE TimeTableView SET FixedRowHeight = ?, FixedColWidth = ? WHERE ID = ?"),
        {geometry.fixedRowHeight, geometry.fixedColWidth, timetableId});
    if (!header)
        return header;
    for (const auto& [id, width] : geometry.columnWidths) {
        if (Result<void> done = db.run(QStringLiteral("UPDATE XTitle SET Width = ? WHERE ID = ?"), {width, id}); !done)
            return done;
    }
    for (const auto& [id, height] : geometry.rowHeights) {
        if (Result<void> done = db.run(QStringLiteral("UPDATE YTitle SET Height = ? WHERE ID = ?"), {height, id}); !done)
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
