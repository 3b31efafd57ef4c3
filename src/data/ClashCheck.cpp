#include "ClashCheck.h"

#include "SlotIds.h"
#include "TimeText.h"
#include "ViewKind.h"

#include <QSqlRecord>
#include <QStringList>
#include <QVariant>

namespace {

const QString LineBreak = QStringLiteral("\r\n");

// The wording users have always seen, spelling and trailing blanks included.
QString paragraph(ViewKind resource, const QString& name) {
    switch (resource) {
    case ViewKind::Tutor:
        return QStringLiteral("The Tutor ") + name +
               QStringLiteral(" is scheduled elsewhere at this time and ") + LineBreak +
               QStringLiteral("cannot be used here. To correct this problem select the Tutor's ") +
               LineBreak + QStringLiteral("timetable and make them available. ") + LineBreak;
    case ViewKind::Room:
        return QStringLiteral("The Room ") + name +
               QStringLiteral(" is scheduled elsewhere at this time and ") + LineBreak +
               QStringLiteral("cannot be used here. To correct this problem select the Room's ") +
               LineBreak + QStringLiteral("timetable and make it available.") + LineBreak;
    case ViewKind::Class:
        return QStringLiteral("The Class ") + name +
               QStringLiteral(" is scheduled elsewhere at this time and ") + LineBreak +
               QStringLiteral("cannot be used here. To correct this problem select the Class' ") +
               LineBreak + QStringLiteral("timetable and make them available. ") + LineBreak;
    }
    return {};
}

struct ClashRow {
    int id = 0;
    SlotIds ids;
    QString className;
    QString tutorName;
    QString roomName;

    QString name(ViewKind kind) const {
        switch (kind) {
        case ViewKind::Class:
            return className;
        case ViewKind::Tutor:
            return tutorName;
        case ViewKind::Room:
            return roomName;
        }
        return {};
    }
};

// The inner joins keep a slot that points at a missing list row out of the check.
QString clashQuery(ViewKind owner, const QStringList& idTests) {
    return QStringLiteral(
               "SELECT Slot.ID, Slot.ClassID, Slot.TutorID, Slot.RoomID, Slot.SpecialID, "
               "Class.Name, Tutor.Name, Room.Name "
               "FROM Slot "
               "JOIN Subject ON Subject.ID = Slot.SubjectID "
               "JOIN Class ON Class.ID = Slot.ClassID "
               "JOIN Tutor ON Tutor.ID = Slot.TutorID "
               "JOIN Room ON Room.ID = Slot.RoomID "
               "JOIN Special ON Special.ID = Slot.SpecialID "
               "WHERE (%1) AND Slot.%2 <> ? "
               "AND Slot.ID <> ? "
               "ORDER BY Slot.ID")
        .arg(idTests.join(QStringLiteral(" OR ")), ownerColumn(owner));
}

Result<QList<ClashRow>> readRowsCarrying(const DBConnection& db, ViewKind owner,
                                         const SlotIds& written, QTime startTime,
                                         const QString& dow, int takenOverRowId) {
    QStringList idTests;
    QVariantList values;
    for (ViewKind resource : otherResources(owner)) {
        if (written.resource(resource) == SlotIds::None)
            continue;
        // Each test whole, time included, so that each is answered from its resource's
        // (resource, StartTime, DOW) index with that resource's few rows at that time; the
        // time index would read one row per class of the school.
        idTests << QStringLiteral("(Slot.%1 = ? AND Slot.StartTime = ? AND Slot.DOW = ?)")
                       .arg(ownerColumn(resource));
        values << written.resource(resource) << TimeText::canonical(startTime) << dow;
    }
    values << written.resource(owner) << takenOverRowId;

    Result<QSqlQuery> query = db.exec(clashQuery(owner, idTests), values);
    if (!query)
        return query.error();
    QList<ClashRow> rows;
    while (query.value().next()) {
        const QSqlRecord r = query.value().record();
        ClashRow row;
        row.id = r.value(0).toInt();
        row.ids.classId = r.value(1).toInt();
        row.ids.tutorId = r.value(2).toInt();
        row.ids.roomId = r.value(3).toInt();
        row.ids.specialId = r.value(4).toInt();
        row.className = r.value(5).toString();
        row.tutorName = r.value(6).toString();
        row.roomName = r.value(7).toString();
        rows << row;
    }
    return rows;
}

} // namespace

Result<ClashCheck> CheckForClash(const DBConnection& db, const QString& viewBy, int roomId,
                                 int tutorId, int classId, QTime startTime, const QString& dow,
                                 int takenOverRowId) {
    const std::optional<ViewKind> owner = viewKindFromText(viewBy);
    if (!owner)
        return ClashCheck{};
    SlotIds written;
    written.classId = classId;
    written.tutorId = tutorId;
    written.roomId = roomId;
    const auto pair = otherResources(*owner);
    if (written.resource(pair[0]) == SlotIds::None && written.resource(pair[1]) == SlotIds::None)
        return ClashCheck{};

    Result<QList<ClashRow>> rows =
        readRowsCarrying(db, *owner, written, startTime, dow, takenOverRowId);
    if (!rows)
        return rows.error();
    QString paragraphs;
    QList<int> excused;
    for (const ClashRow& row : rows.value()) {
        for (ViewKind resource : pair) {
            const int id = written.resource(resource);
            if (id == SlotIds::None || row.ids.resource(resource) != id)
                continue;
            if (row.ids.isPlaceholderOf(resource))
                excused << row.id;
            else
                paragraphs += paragraph(resource, row.name(resource));
        }
    }
    if (paragraphs.isEmpty())
        return ClashCheck{false, QString(), excused};
    return ClashCheck{
        true, QStringLiteral("A clash has occured.") + LineBreak + LineBreak + paragraphs, {}};
}
