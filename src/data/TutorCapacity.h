#pragma once

#include "DBConnection.h"
#include "Result.h"

#include <QList>
#include <QString>

// How many periods one tutor teaches: every Slot row naming the tutor, whatever its kind of
// period, and whether or not a timetable still shows it.
struct TutorPeriods {
    int id = 0;
    QString name;
    int periods = 0;
};

namespace TutorCapacity {

// Every tutor but the placeholder row, by name without case, then id.
Result<QList<TutorPeriods>> read(const DBConnection& db);

} // namespace TutorCapacity
