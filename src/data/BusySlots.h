#pragma once

#include "DBConnection.h"
#include "ViewKind.h"

#include <QSet>
#include <QString>
#include <QTime>

// Which tutors, rooms or classes are in use in one period anywhere in the school.
namespace BusySlots {

// The ids of `resource` that some slot at this start time and day makes busy. The placeholder
// (1) never counts, and neither does an ordinary lesson of `currentId` (the cell's own); a
// lunch, break or unavailable row of it does.
Result<QSet<int>> busyIds(const DBConnection& db, ViewKind resource, QTime start,
                          const QString& dow, int currentId);

} // namespace BusySlots
