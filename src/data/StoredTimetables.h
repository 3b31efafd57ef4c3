#pragma once

#include "DBConnection.h"
#include "Result.h"

#include <QList>
#include <QString>

// One stored timetable as the open list shows it: which one, its kind and whose it is.
struct StoredTimetable {
    int id = 0;
    QString viewBy;
    QString ownerName; // empty for a kind other than Tutor, Subject, Room or Class
};

namespace StoredTimetables {

// Every stored timetable whose four ids name existing rows, grouped by kind (ViewBy as
// stored, so "Class", "Room", "Tutor"), then in id order.
Result<QList<StoredTimetable>> list(const DBConnection& db);

} // namespace StoredTimetables
