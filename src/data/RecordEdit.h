#pragma once

#include "DBConnection.h"
#include "NameLists.h"
#include "Result.h"

#include <QList>
#include <QString>

#include <optional>

// What the record editors read and write: a tutor's, subject's, room's or class's name, and the
// subjects a tutor teaches (the pairs Auto Fill picks tutors by).
namespace RecordEdit {

struct Record {
    NameLists::List list = NameLists::Tutor;
    std::optional<int> id; // none: a new record
    QString name;          // stored exactly as typed
    QList<int> subjects;   // a tutor's subjects; the other lists have none
};

// The subjects a tutor teaches, in the order they were written.
Result<QList<int>> subjectsOf(const DBConnection& db, int tutorId);

// Adds or renames the record and, for a tutor, writes his subjects in place of all the old
// pairs (each subject once), in one transaction. Returns the record's id.
Result<int> save(const DBConnection& db, const Record& record);

} // namespace RecordEdit
