#pragma once

#include "DBConnection.h"
#include "Result.h"

#include <QList>
#include <QString>
#include <QTime>

// The answer of the clash check: whether the period clashes, and the text that explains why
// (empty when it does not).
struct ClashCheck {
    bool clash = false;
    QString message;
    // The placeholders that did not count: a writer takes one over or removes them, so that
    // each resource keeps one row at that time.
    QList<int> excusedPlaceholders;
};

// Would a cell of a `viewBy` timetable holding this room, tutor and class (the timetable's own
// id among them) at this start and day put a resource in two places? Another row at the same
// start and day text, not the owner's own, clashes when it carries the tutor, room or class being
// written, unless it is that resource's own empty placeholder (the other two resources none and
// an ordinary period). Special periods always block; the subject is never looked at.
// A ViewBy other than "Class", "Tutor" and "Room" never clashes. `takenOverRowId` names the row
// the write itself will become (a free row it takes over): it is not another row and never
// counts; 0 for none.
Result<ClashCheck> CheckForClash(const DBConnection& db, const QString& viewBy, int roomId,
                                 int tutorId, int classId, QTime startTime, const QString& dow,
                                 int takenOverRowId = 0);
