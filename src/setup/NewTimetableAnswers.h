#pragma once

#include "data/ViewKind.h"

#include <QList>
#include <QStringList>
#include <QTime>

// What the pages of the new-timetable wizard have chosen so far. Each run starts from these
// values; Back and Next keep them, and a page shows its earlier answer when it opens again.
struct NewTimetableAnswers {
    int styleId = -1; // none chosen yet
    ViewKind kind = ViewKind::Class;
    int whoId = -1; // none chosen yet
    QStringList days;
    int daysChoice = 0;      // list position of the preset days
    int hoursChoice = 0;     // list position of the preset hours
    int incrementChoice = 0; // list position of the period length
    QList<QTime> times;      // period boundaries in order
    // The owner page added a class, tutor or room row: the left bar's lists need it, even
    // when the run is cancelled later.
    bool ownerAdded = false;
};
