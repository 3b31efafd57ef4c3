#pragma once

#include "DBConnection.h"
#include "RandomPick.h"
#include "Result.h"

#include <QList>
#include <QSet>

// What the user chose for one fill: the subjects with the number of periods each is to fill,
// and the rooms and tutors that may be used, each in the order of its page's list.
struct AutoFillAnswers {
    QList<int> subjectIds;
    QList<int> subjectPeriods; // parallel to subjectIds
    QList<int> roomIds;
    QList<int> tutorIds;

    // Each subject's id as many times as its periods, subject after subject: the pool of
    // lessons before it is shuffled.
    QList<int> subjectPool() const;
};

// The cells of a timetable's grid by the ids its rows and columns keep: the YTitle ids of the
// days, top to bottom, and the XTitle ids of the periods, left to right.
struct GridIds {
    QList<int> days;
    QList<int> periods;
};

// A class timetable's cells: those a fill may use (no row, or the class's own empty row) and
// the others (lessons, special periods, cells without their day or period).
struct PeriodCount {
    int available = 0;
    int filled = 0;
};

struct AutoFillOutcome {
    int written = 0;      // lessons the fill stored
    bool clashed = false; // a free cell stayed free because its lesson would clash
};

namespace AutoFillStore {

Result<PeriodCount> countPeriods(const DBConnection& db, int timetableId, const GridIds& grid);

// The tutor who takes every period of a subject: the first of the subject's tutors, in the
// order their pairs were stored, who is among `tutorIds`; -1 when none of them is.
Result<int> IsSubjectTaughtByATutor(const DBConnection& db, const QList<int>& tutorIds,
                                    int subjectId);

// The tutors who teach at least one of the subjects.
Result<QSet<int>> tutorsTeaching(const DBConnection& db, const QList<int>& subjectIds);

// Fills the free cells of a class timetable, day by day and period by period, each with the
// next subject of the (shuffled) pool, its tutor (or one drawn from the chosen) and a drawn
// room. A cell whose lesson would clash stays free and uses up its subject; nothing is
// retried. The whole fill is one transaction: on an error nothing of it stays. Without a
// chosen room or tutor, or on a timetable that is not a class's, nothing is written.
Result<AutoFillOutcome> fill(const DBConnection& db, int timetableId, const GridIds& grid,
                             const QList<int>& pool, const AutoFillAnswers& answers,
                             const RandomDraw& draw);

} // namespace AutoFillStore
