#pragma once

#include <QList>
#include <QStringList>
#include <QTime>

// The preset days and hours the wizard offers, by list position.
namespace NewTimetablePresets {

const QStringList& dayChoices();
// The day labels of a choice, in order; none for a position out of range.
QStringList days(int choice);

const QStringList& hourChoices();
const QStringList& incrementChoices();
// The period boundaries from the choice's start to its end, one increment apart, in whole
// minutes; a last step that would pass the end is left out.
QList<QTime> boundaries(int hoursChoice, int incrementChoice);

} // namespace NewTimetablePresets
