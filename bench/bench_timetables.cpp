// Speed of the start-up and of drawing a timetable on a large school's database.
#include "SchoolGenerator.h"

#include "app/ModMain.h"
#include "app/frmMain.h"
#include "app/frmTableWindow.h"
#include "platform/Seams.h"

#include <QApplication>
#include <QMdiArea>
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

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
