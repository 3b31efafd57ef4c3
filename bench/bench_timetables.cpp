// Speed of the start-up and of drawing a timetable on a large school's database.
#include "SchoolGenerator.h"

#include "app/MainMenus.h"
#include "app/ModMain.h"
#include "app/TreeBars.h"
#include "app/frmMain.h"
#include "app/frmTableWindow.h"
#include "platform/FlexGrid.h"
#include "platform/Seams.h"

#include <QApplication>
#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QTemporaryDir* schoolFolder() {
    static QTemporaryDir folder;
    static const bool made = [] {
        const QString error = SchoolGenerator::generate(folder.filePath("db.mdb"));
        if (!error.isEmpty())
            qFatal("cannot make the school: %s", qPrintable(error));
        seams().programFolder = folder.path();
        seams().settingsFolder = folder.filePath("settings");
        return true;
    }();
    Q_UNUSED(made);
    return &folder;
}

void BM_StartUpWith190Timetables(benchmark::State& state) {
    schoolFolder();
    for (auto _ : state) {
        ModMain shared;
        frmMain window(shared);
        if (!window.MDIForm_Load())
            state.SkipWithError("start-up failed");
        if (window.timetableWindows().size() != 190)
            state.SkipWithError("not every timetable was opened");
        state.PauseTiming();
        window.mdiArea()->closeAllSubWindows();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpWith190Timetables)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);

void BM_RefreshTable(benchmark::State& state) {
    schoolFolder();
    ModMain shared;
    frmMain window(shared);
    if (!window.MDIForm_Load()) {
        state.SkipWithError("start-up failed");
        return;
    }
    frmTableWindow* table = window.timetableWindows().value(int(state.range(0)));
    for (auto _ : state)
        window.RefreshTable(*table);
}
// A class's timetable (first), a tutor's and a room's.
BENCHMARK(BM_RefreshTable)->Arg(0)->Arg(100)->Arg(170)->Unit(benchmark::kMillisecond)->Repetitions(5);

void BM_UpdateSlotByTutorClick(benchmark::State& state) {
    schoolFolder();
    ModMain shared;
    frmMain window(shared);
    if (!window.MDIForm_Load()) {
        state.SkipWithError("start-up failed");
        return;
    }
    frmTableWindow* table = window.timetableWindows().value(0); // Class 1: Mon 9:00 is cell (1, 1)
    window.mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(table->parentWidget()));
    window.activateCurrentWindow();
    table->g().setRow(1);
    table->g().setCol(1);
    // Tutors 62 and 63 teach nobody at Mon 9:00, so every click writes.
    int tutor = 62;
    for (auto _ : state) {
        window.picLeftBar().SelectTreeBarNodeById(TreeBars::Tutors, tutor);
        tutor = tutor == 62 ? 63 : 62;
    }
    if (!window.menus().item("mnuEditUndo")->isEnabled())
        state.SkipWithError("nothing was written");
}
// A whole click on a tutor: clash check, write, cell redraw, lists and busy marks reloaded.
BENCHMARK(BM_UpdateSlotByTutorClick)->Unit(benchmark::kMillisecond)->Repetitions(5);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
