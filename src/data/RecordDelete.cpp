#include "RecordDelete.h"

#include "SlotIds.h"

namespace RecordDelete {

namespace {

// "TutorID", "SubjectID", "RoomID" or "ClassID": the column of Slot and TimeTableView that
// refers to the list.
QString idColumn(NameLists::List list) {
    return NameLists::tableName(list) + QStringLiteral("ID");
}

// Rows that named the record name "none" instead; they keep everything else.
Result<void> pointAtPlaceholder(const DBConnection& db, const QString& table, NameLists::List list,
                                int id) {
    return db.run(QStringLiteral("UPDATE %1 SET %2 = ? WHERE %2 = ?").arg(table, idColumn(list)),
                  {SlotIds::None, id});
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
    if (Result<void> pointed = pointAtPlaceholder(db, QStringLiteral("Slot"), list, id); !pointed)
        return pointed.error();
    Result<QList<int>> owned = NameLists::timetablesOf(db, list, id);
    if (!owned)
        return owned.error();
    for (int timetableId : owned.value()) {
        if (Result<void> gone = deleteTimetable(db, timetableId); !gone)
            return gone.error();
    }
    // A timetable of another kind may still name the record; File > Open lists only timetables
    // whose every id names a row, so it would vanish from there.
    if (Result<void> named = pointAtPlaceholder(db, QStringLiteral("TimeTableView"), list, id);
        !named)
        return named.error();
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
