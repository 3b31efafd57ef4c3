#include "BusySlots.h"

#include "TimeText.h"

namespace BusySlots {

Result<QSet<int>> busyIds(const DBConnection& db, ViewKind resource, QTime start,
                          const QString& dow, int currentId) {
    const QString column = ownerColumn(resource);
    Result<QSqlQuery> query = db.exec(
        QStringLiteral("SELECT DISTINCT Slot.%1, Slot.SpecialID FROM Slot, Subject, Class, Tutor, Room "
                       "WHERE Slot.SubjectID = Subject.ID AND Slot.ClassID = Class.ID "
                       "AND Slot.TutorID = Tutor.ID AND Slot.RoomID = Room.ID "
                       "AND Slot.StartTime = ? AND Slot.DOW = ?")
            .arg(column),
        {TimeText::canonical(start), dow});
    if (!query)
        return query.error();
    QSet<int> busy;
    QSqlQuery& q = query.value();
    while (q.next()) {
        const int id = q.value(0).toInt();
        const bool ownLesson = q.value(1).toInt() == 1 && id == currentId;
        if (id != 1 && !ownLesson)
            busy.insert(id);
    }
    return busy;
}

} // namespace BusySlots
