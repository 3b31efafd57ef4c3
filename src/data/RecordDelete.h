#pragma once

#include "DBConnection.h"
#include "NameLists.h"
#include "Result.h"

#include <QList>

// Deleting a tutor, subject, room or class together with every reference to it.
namespace RecordDelete {

// In one transaction: a tutor's subject pairs; every slot that used the record is pointed at
// row 1 (the lesson stays, with "none" in its place); every timetable the record owns, with its
// periods and days; any other timetable that names the record is pointed at row 1 too; then
// the record itself. Returns the ids of the timetables deleted. Row 1 is
// the placeholder every reference falls back to and is never deleted.
Result<QList<int>> deleteRecord(const DBConnection& db, NameLists::List list, int id);

} // namespace RecordDelete
