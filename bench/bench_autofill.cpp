// Speed of one Auto Fill of a new, empty class timetable on a large school's database.
#include "BenchSchool.h"

#include "app/ModMain.h"
#include "app/frmMain.h"
#include "app/frmTableWindow.h"
#include "data/AutoFillStore.h"
#include "data/DBConnection.h"
#include "setup/AutoFill.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStringList>

namespace {

// A new class with an empty timetable at the school's days and periods, two new tutors who
// teach four of the school's subjects and two new rooms: every lesson the fill draws is free
// of clashes, so each fill writes all 40 cells.
struct NewClass {
    int timetableId = 0;
    int classId = 0;
    AutoFillAnswers answers;
};

std::optional<NewClass> addNewClass(const DBConnection& db) {
    const QStringList days = {"Mon", "Tue", "Wed", "Thu", "Fri"};
    const QStringList starts = {"09:00:00", "09:40:00", "10:20:00", "11:00:00",
                                "11:40:00", "13:00:00", "13:40:00", "14:20:00"};
    bool ok = true;
    const auto id = [&ok](Result<int> added) {
        ok = ok && added.ok();
        return added ? added.value() : 0;
    };
    Transaction transaction(db);
    NewClass made;
    made.classId = id(db.insertRow("Class", {{"Name", "New class"}}));
    made.timetableId =
        id(db.insertRow("TimeTableView", {{"ViewBy", "Class"}, {"ClassID", made.classId}}));
    for (const QString& day : days)
        id(db.insertRow("YTitle", {{"TimeTableViewID", made.timetableId}, {"DOW", day}}));
    for (const QString& start : starts)
        id(db.insertRow(
            "XTitle",
            {{"TimeTableViewID", made.timetableId}, {"StartTime", start}, {"Duration", 40}}));
    for (int i = 1; i <= 2; ++i) {
        made.answers.tutorIds << id(
            db.insertRow("Tutor", {{"Name", QString("New tutor %1").arg(i)}}));
        made.answers.roomIds << id(db.insertRow("Room", {{"Name", QString("New room %1").arg(i)}}));
    }
    for (int subject = 2; subject <= 5; ++subject) {
        id(db.insertRow("SubjectsTaughtByTutor",
                        {{"TutorID", made.answers.tutorIds[subject % 2]}, {"SubjectID", subject}}));
        made.answers.subjectIds << subject;
        made.answers.subjectPeriods << 10;
    }
    if (!ok || !transaction.commit())
        return std::nullopt;
    return made;
}

int lessonsOf(const DBConnection& db, int classId) {
    Result<std::optional<QSqlRecord>> count =
        db.firstRow("SELECT COUNT(*) FROM Slot WHERE ClassID = ?", {classId});
    return count && count.value() ? count.value()->value(0).toInt() : -1;
}

// What Finish on the last page starts: the fill in one transaction, the redraw of its cells
// and the lists loaded with the current cell.
void BM_AutoFillNewClassTimetable(benchmark::State& state) {
    ModMain shared;
    if (!useCopyOfSchool(shared, state))
        return;
    const std::optional<NewClass> made = addNewClass(shared.db());
    if (!made) {
        state.SkipWithError("the new class could not be added");
        return;
    }
    std::unique_ptr<frmMain> window = startedWindow(shared, state);
    if (!window)
        return;
    frmTableWindow* table = nullptr;
    for (frmTableWindow* open : window->timetableWindows()) {
        if (open->Tag() == made->timetableId)
            table = open;
    }
    if (!table) {
        state.SkipWithError("the new timetable was not opened");
        return;
    }
    window->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(table->parentWidget()));
    window->activateCurrentWindow();
    AutoFill autoFill(*window);
    for (auto _ : state) {
        autoFill.DoAutoFill(*table, made->answers);
        state.PauseTiming();
        if (lessonsOf(shared.db(), made->classId) != 40)
            state.SkipWithError("the fill did not write every cell");
        if (!shared.db().run("DELETE FROM Slot WHERE ClassID = ?", {made->classId}))
            state.SkipWithError("the lessons could not be removed");
        window->RefreshTable(*table);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AutoFillNewClassTimetable)->Unit(benchmark::kMillisecond)->Repetitions(5);

} // namespace
