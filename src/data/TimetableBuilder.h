#pragma once

#include "DBConnection.h"
#include "Result.h"
#include "ViewKind.h"

#include <QList>
#include <QStringList>
#include <QTime>

#include <optional>

// What a new timetable is made of: whose it is, the style it looks like, its days in order and
// the boundaries of its periods (N boundaries make N-1 periods).
struct NewTimetable {
    ViewKind kind = ViewKind::Class;
    int ownerId = 1;
    int styleId = 0;
    QStringList days;
    QList<QTime> boundaries;
};

namespace TimetableBuilder {

// Writes the timetable with its periods and days in one transaction and returns its id; every
// cell starts empty. Nothing when the style has no row; on a failure nothing is written.
Result<std::optional<int>> build(const DBConnection& db, const NewTimetable& timetable);

// Whole minutes from one boundary to the next; negative when the next is earlier in the day.
int minutesBetween(QTime from, QTime to);

} // namespace TimetableBuilder
