// Speed of one Auto Fill of a new, empty class timetable on a large school's database.
#include "BenchSchool.h"

#include "app/ModMain.h"
#include "app/frmMain.h"
#include "app/frmTableWindow.h"
#include "data/AutoFillStore.h"
#include "data/DBConnection.h"
#include "setup/AutoFill.h"

#include <benchmark/benchmark.h>

namespace {

const QStringList Days = {"Mon", "Tue", "Wed", "Thu", "Fri"};
const QStringList Starts = {"09:00:00", "09:40:00", "10:20:00", "11:00:00",
                            "11:40:00", "13:00:00", "13:40:00", "14:20:00"};

int added(Result<int> id, benchmark::State& state) {
    if (!id)
        state.SkipWithError(qPrintable(id.error().message));
    return id ? id.value() : 0;
}

// A new class with an empty timetable at the school's days and periods, and two new tutors
// (who teach four of the school's subjects) and two new rooms for it: every lesson the fill
// draws is free, so each run writes all 40 cells.
struct NewClass {
    int timetableId = 0;
    int classId = 0;
    AutoFillAnswers answers;
};

NewClass addNewClass(const DBConnection& db, benchmark::State& state) {
    NewClass made;
    made.classId = added(db.insertRow("Class", {{"Name", "New class"}}), state);
    made.timetableId = added(
        db.insertRow("TimeTableView", {{"ViewBy", "Class"}, {"ClassID", made.classId}}), state);
    for (const QString& day : Days)
        added(db.insertRow("YTitle", {{"TimeTableViewID", made.timetableId}, {"DOW", day}}), state);
    for (const QString& start : Starts)
        added(db.insertRow("XTitle", {{"TimeTableViewID", made.timetableId},
                                      {"StartTime", start},
                                      {"Duration", 40}}),
              state);
    for (int i = 1; i <= 2; ++i) {
        made.answers.tutorIds << added(db.insertRow("Tutor", {{"Name", QString("New tutor %1").arg(i)}}), state);
        made.answers.roomIds << added(db.insertRow("Room", {{"Name", QString("New room %1").arg(i)}}), state);
    }
    for (int subject = 2; subject <= 5; ++subject) {
        added(db.insertRow("SubjectsTaughtByTutor",
                           {{"TutorID", made.answers.tutorIds[subject % 2]}, {"SubjectID", subject}}),
              state);
        made.answers.subjectIds << subject;
        made.answers.subjectPeriods << 10;
    }
    return made;
}

// From the pages' Finish: the fill, the redraw of its cells and the lists loaded again.
void BM_AutoFillNewClassTimetable(benchmark::State& state) {
    BenchSchool::folder();
    ModMain shared;
    frmMain window(shared);
    if (!window.MDIForm_Load()) {
        state.SkipWithError("start-up failed");
        return;
    }
    const DBConnection& db = shared.db();
    Transaction setUp(db); // the school's file stays as generated for the other benchmarks
    const NewClass made = addNewClass(db, state);
    frmTableWindow* table = window.LoadTable(made.timetableId);
    if (!table) {
        state.SkipWithError("the new timetable did not open");
        return;
    }
    window.RefreshTable(*table);
    window.showTableWindow(*table);
    AutoFill autoFill(window);
    for (auto _ : state) {
        autoFill.DoAutoFill(*table, made.answers);
        state.PauseTiming();
        const int written = [&] {
            Result<std::optional<QSqlRecord>> count =
                db.firstRow("SELECT COUNT(*) FROM Slot WHERE ClassID = ?", {made.classId});
            return count && count.value() ? count.value()->value(0).toInt() : -1;
        }();
        if (written != 40)
            state.SkipWithError("the fill did not write every cell");
        if (!db.run("DELETE FROM Slot WHERE ClassID = ?", {made.classId}))
            state.SkipWithError("the lessons could not be removed");
        window.RefreshTable(*table);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AutoFillNewClassTimetable)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(5);

} // namespace
