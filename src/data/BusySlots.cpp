#include "BusySlots.h"

#include "TimeText.h"

namespace BusySlots {

Result<BusyIds> busyIds(const DBConnection& db, QTime start, const QString& dow,
                        const SlotIds& current) {
    Result<QSqlQuery> query =
        db.exec(QStringLiteral("SELECT Slot.ClassID, Slot.TutorID, Slot.RoomID, Slot.SpecialID "
                               "FROM Slot, Subject, Class, Tutor, Room "
                               "WHERE Slot.SubjectID = Subject.ID AND Slot.ClassID = Class.ID "
                               "AND Slot.TutorID = Tutor.ID AND Slot.RoomID = Room.ID "
                               "AND Slot.StartTime = ? AND Slot.DOW = ?"),
                {TimeText::canonical(start), dow});
    if (!query)
        return query.error();
    BusyIds busy;
    QSqlQuery& q = query.value();
    while (q.next()) {
        SlotIds row;
        row.classId = q.value(0).toInt();
        row.tutorId = q.value(1).toInt();
        row.roomId = q.value(2).toInt();
        const bool lesson = q.value(3).toInt() == SlotIds::None;
        for (ViewKind resource : {ViewKind::Class, ViewKind::Tutor, ViewKind::Room}) {
            const int id = row.resource(resource);
            const bool ownLesson = lesson && id == current.resource(resource);
            if (id != SlotIds::None && !ownLesson)
                busy.of(resource).insert(id);
        }
    }
    return busy;
}

} // namespace BusySlots
