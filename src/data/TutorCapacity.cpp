#include "TutorCapacity.h"

#include <QSqlError>

namespace TutorCapacity {

Result<QList<TutorPeriods>> read(const DBConnection& db) {
    // One statement: the count per tutor comes from the Slot_Tutor index.
    Result<QSqlQuery> query = db.exec(
        QStringLiteral("SELECT t.ID, t.Name, (SELECT COUNT(*) FROM Slot s WHERE s.TutorID = t.ID) "
                       "FROM Tutor t WHERE t.ID <> 1 ORDER BY t.Name COLLATE NOCASE, t.ID"));
    if (!query)
        return query.error();
    QList<TutorPeriods> tutors;
    QSqlQuery& q = query.value();
    while (q.next())
        tutors << TutorPeriods{q.value(0).toInt(), q.value(1).toString(), q.value(2).toInt()};
    if (q.lastError().isValid())
        return Error{q.lastError().text()};
    return tutors;
}

} // namespace TutorCapacity
