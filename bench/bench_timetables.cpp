// Speed of the start-up, of drawing a timetable, of writing a cell and of deleting a class on a
// large school's database.
#include "BenchReport.h"
#include "BenchSchool.h"

#include "app/MainMenus.h"
#include "app/ModMain.h"
#include "app/TreeBars.h"
#include "app/frmMain.h"
#include "app/frmTableWindow.h"
#include "data/DBConnection.h"
#include "data/RecordDelete.h"
#include "data/SlotWriter.h"
#include "data/TimetableContent.h"
#include "platform/FlexGrid.h"
#include "platform/MsgBox.h"
#include "platform/Seams.h"
#include "setup/frmManage.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// From an empty window to every timetable drawn, the database's opening and check included.
void BM_StartUp(benchmark::State& state) {
    const int factor = int(state.range(0));
    schoolFolder(factor);
    for (auto _ : state) {
        ModMain shared;
        std::unique_ptr<frmMain> window = startedWindow(shared, state);
        if (!window)
            break;
        if (window->timetableWindows().size() != schoolSize(factor).timetables())
            state.SkipWithError("not every timetable was opened");
        // Closing and destroying the windows is not part of the start.
        state.PauseTiming();
        window->mdiArea()->closeAllSubWindows();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUp)
    ->Apply(atSchoolSizes)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5);

// The opening of the database alone, with the check that refuses a damaged file.
void BM_OpenAndCheckDatabase(benchmark::State& state) {
    const QString file = schoolFolder(int(state.range(0))) + QStringLiteral("/db.mdb");
    for (auto _ : state) {
        Result<std::unique_ptr<DBConnection>> db = DBConnection::open(file);
        if (!db)
            state.SkipWithError(qPrintable(db.error().message));
    }
}
BENCHMARK(BM_OpenAndCheckDatabase)
    ->Apply(atSchoolSizes)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5);

void BM_RefreshTable(benchmark::State& state) {
    schoolFolder();
    ModMain shared;
    std::unique_ptr<frmMain> window = startedWindow(shared, state);
    if (!window)
        return;
    frmTableWindow* table = window->timetableWindows().value(int(state.range(0)));
    for (auto _ : state)
        window->RefreshTable(*table);
}
// A class's timetable (first), a tutor's and a room's.
BENCHMARK(BM_RefreshTable)
    ->Arg(0)
    ->Arg(100)
    ->Arg(170)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5);

// The reads alone of a refresh: the same statements, no grid. Beside BM_RefreshTable it shows
// how much of a redraw is the grid's own work.
void BM_ReadTimetableRows(benchmark::State& state) {
    schoolFolder();
    ModMain shared;
    std::unique_ptr<frmMain> window = startedWindow(shared, state);
    if (!window)
        return;
    const int id = window->timetableWindows().value(int(state.range(0)))->Tag();
    for (auto _ : state) {
        Result<std::optional<TimetableContent>> content = TimetableStore::read(shared.db(), id);
        if (!content || !content.value())
            state.SkipWithError("the timetable could not be read");
        benchmark::DoNotOptimize(content);
    }
}
BENCHMARK(BM_ReadTimetableRows)
    ->Arg(0)
    ->Arg(100)
    ->Arg(170)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5);

void BM_UpdateSlotByTutorClick(benchmark::State& state) {
    const int factor = int(state.range(0));
    schoolFolder(factor);
    ModMain shared;
    std::unique_ptr<frmMain> window = startedWindow(shared, state);
    if (!window)
        return;
    frmTableWindow* table = window->timetableWindows().value(0); // Class 1: Mon 9:00 is cell (1, 1)
    window->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(table->parentWidget()));
    window->activateCurrentWindow();
    table->g().setRow(1);
    table->g().setCol(1);
    // Two tutors who teach nobody at Mon 9:00, so every click writes.
    const int first = schoolSize(factor).tutorFreeOnMondayMorning();
    int tutor = first;
    for (auto _ : state) {
        window->picLeftBar().SelectTreeBarNodeById(TreeBars::Tutors, tutor);
        tutor = tutor == first ? first + 1 : first;
    }
    if (!window->menus().item("mnuEditUndo")->isEnabled())
        state.SkipWithError("nothing was written");
}
// A whole click on a tutor: clash check, write, cell redraw, lists and busy marks reloaded.
BENCHMARK(BM_UpdateSlotByTutorClick)
    ->Apply(atSchoolSizes)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5);

// The one-cell write alone of such a click, among the school's 100,000 other slots: the cell's
// row, the free-row and clash lookups and the update. All writes run in one transaction, so the
// disk's sync is not timed; it is rolled back at the end.
void BM_WriteOneCell(benchmark::State& state) {
    schoolFolder();
    ModMain shared;
    if (!useCopyOfSchool(shared, state))
        return;
    Transaction transaction(shared.db());
    const SlotWriter writer(shared.db());
    const SlotKey cell{QTime(9, 0), QStringLiteral("Mon"), 40, ViewKind::Class, 2};
    int tutor = 62;
    for (auto _ : state) {
        Result<SlotWriteOutcome> out = writer.write(cell, SlotIds{2, 1, tutor, 2, 1});
        if (!out || !out.value().wrote())
            state.SkipWithError("nothing was written");
        tutor = tutor == 62 ? 63 : 62;
    }
}
BENCHMARK(BM_WriteOneCell)->Unit(benchmark::kMicrosecond)->Repetitions(5);

// Delete in the manage dialog, answered Yes, on the first class: the cascade (its lessons pointed
// at no class, its timetable with its periods and days), its window closed and the
// next one drawn, the list refilled. Each run starts from a fresh copy of the school.
void BM_DeleteClassWithTimetable(benchmark::State& state) {
    schoolFolder();
    seams().msgBox = [](const MsgBoxCall&) { return int(vb::vbYes); };
    for (auto _ : state) {
        state.PauseTiming();
        auto shared = std::make_unique<ModMain>();
        if (!useCopyOfSchool(*shared, state))
            break;
        std::unique_ptr<frmMain> window = startedWindow(*shared, state);
        if (!window)
            break;
        auto dialog = std::make_unique<frmManage>(*window);
        dialog->SelectTab(NameLists::Class);
        state.ResumeTiming();

        dialog->cmdDelete_Click(NameLists::Class);

        state.PauseTiming();
        if (window->timetableWindows().size() != 189 ||
            dialog->list(NameLists::Class).count() != 59)
            state.SkipWithError("the class was not deleted");
        dialog.reset();
        window.reset();
        shared.reset();
        state.ResumeTiming();
    }
    seams().msgBox = nullptr;
}
BENCHMARK(BM_DeleteClassWithTimetable)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5);

// The cascade's statements alone, beside the whole delete above.
void BM_DeleteClassRows(benchmark::State& state) {
    schoolFolder();
    for (auto _ : state) {
        state.PauseTiming();
        ModMain shared;
        if (!useCopyOfSchool(shared, state))
            break;
        state.ResumeTiming();
        Result<QList<int>> deleted = RecordDelete::deleteRecord(shared.db(), NameLists::Class, 2);
        if (!deleted || deleted.value().size() != 1)
            state.SkipWithError("the class was not deleted");
    }
}
BENCHMARK(BM_DeleteClassRows)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    BenchReport reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
