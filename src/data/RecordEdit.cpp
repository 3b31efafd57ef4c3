#include "RecordEdit.h"

namespace RecordEdit {

namespace {

Result<void> writeSubjects(const DBConnection& db, int tutorId, const QList<int>& subjects) {
    if (Result<void> old = db.run(
            QStringLiteral("DELETE FROM SubjectsTaughtByTutor WHERE TutorID = ?"), {tutorId});
        !old)
        return old;
    QList<int> written;
    for (int subjectId : subjects) {
        if (written.contains(subjectId))
            continue;
        if (Result<void> pair =
                db.run(QStringLiteral(
                           "INSERT INTO SubjectsTaughtByTutor (TutorID, SubjectID) VALUES (?, ?)"),
                       {tutorId, subjectId});
            !pair)
            return pair;
        written << subjectId;
    }
    return {};
}

Result<int> writeName(const DBConnection& db, const Record& record) {
    if (!record.id)
        return NameLists::add(db, record.list, record.name);
    if (Result<void> renamed = NameLists::rename(db, record.list, *record.id, record.name);
        !renamed)
        return renamed.error();
    return *record.id;
}

} // namespace

Result<QList<int>> subjectsOf(const DBConnection& db, int tutorId) {
    Result<QSqlQuery> query =
        db.exec(QStringLiteral(
                    "SELECT SubjectID FROM SubjectsTaughtByTutor WHERE TutorID = ? ORDER BY rowid"),
                {tutorId});
    if (!query)
        return query.error();
    QList<int> subjects;
    while (query.value().next())
        subjects << query.value().value(0).toInt();
    return subjects;
}

Result<int> save(const DBConnection& db, const Record& record) {
    Transaction transaction(db);
    if (!transaction.started())
        return transaction.started().error();
    Result<int> id = writeName(db, record);
    if (!id)
        return id;
    if (record.list == NameLists::Tutor) {
        if (Result<void> pairs = writeSubjects(db, id.value(), record.subjects); !pairs)
            return pairs.error();
    }
    if (Result<void> committed = transaction.commit(); !committed)
        return committed.error();
    return id;
}

} // namespace RecordEdit
