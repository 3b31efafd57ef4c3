#include "RecordDelete.h"

#include "SlotIds.h"

namespace RecordDelete {

namespace {

// "TutorID", "SubjectID", "RoomID" or "ClassID": the Slot column that refers to the list.
QString slotColumn(NameLists::List list) {
    return NameLists::tableName(list) + QStringLiteral("ID");
}

Result<void> deleteTimetable(const DBConnection& db, int timetableId) {
    for (const QString& sql : {QStringLiteral("DELETE FROM XTitle WHERE TimeTableViewID = ?"),
                               QStringLiteral("DELETE FROM YTitle WHERE TimeTableViewID = ?"),
                               QStringLiteral("DELETE FROM TimeTableView WHERE ID = ?")}) {
        if (Result<void> done = db.run(sql, {timetableId}); !done)
            return done;
    }
    return {};
}

Result<QList<int>> deleteInTransaction(const DBConnection& db, NameLists::List list, int id) {
    if (list == NameLists::Tutor) {
        if (Result<void> pairs =
                db.run(QStringLiteral("DELETE FROM SubjectsTaughtByTutor WHERE TutorID = ?"), {id});
            !pairs)
            return pairs.error();
    }
    if (Result<void> pointed =
            db.run(QStringLiteral("UPDATE Slot SET %1 = ? WHERE %1 = ?").arg(slotColumn(list)),
                   {SlotIds::None, id});
        !pointed)
        return pointed.error();
    Result<QList<int>> owned = NameLists::timetablesOf(db, list, id);
    if (!owned)
        return owned.error();
    for (int timetableId : owned.value()) {
        if (Result<void> gone = deleteTimetable(db, timetableId); !gone)
            return gone.error();
    }
    if (Result<void> record = db.run(
            QStringLiteral("DELETE FROM %1 WHERE ID = ?").arg(NameLists::tableName(list)), {id});
        !record)
        return record.error();
    return owned;
}

} // namespace

Result<QList<int>> deleteRecord(const DBConnection& db, NameLists::List list, int id) {
    if (id == SlotIds::None)
        return Error{QStringLiteral("The placeholder entry \"none\" cannot be deleted.")};
    Transaction transaction(db);
    if (!transaction.started())
        return transaction.started().error();
    Result<QList<int>> deleted = deleteInTransaction(db, list, id);
    if (!deleted)
        return deleted;
    if (Result<void> committed = transaction.commit(); !committed)
        return committed.error();
    return deleted;
}

} // namespace RecordDelete
