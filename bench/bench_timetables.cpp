// Speed of the start-up and of drawing a timetable on a large school's database.
#include "SchoolGenerator.h"

#include "app/MainMenus.h"
#include "app/ModMain.h"
#include "app/TreeBars.h"
#include "app/frmMain.h"
#include "app/frmTableWindow.h"
#include "data/TimetableContent.h"
#include "platform/FlexGrid.h"
#include "platform/Seams.h"

#include <QApplication>
#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>
#include <string>

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

// The reads alone of a refresh: the same statements, no grid. Beside BM_RefreshTable it shows
// how much of a redraw is the grid's own work.
void BM_ReadTimetableRows(benchmark::State& state) {
    schoolFolder();
    ModMain shared;
    frmMain window(shared);
    if (!window.MDIForm_Load()) {
        state.SkipWithError("start-up failed");
        return;
    }
    const int id = window.timetableWindows().value(int(state.range(0)))->Tag();
    for (auto _ : state) {
        Result<std::optional<TimetableContent>> content = TimetableStore::read(shared.db(), id);
        if (!content || !content.value())
            state.SkipWithError("the timetable could not be read");
        benchmark::DoNotOptimize(content);
    }
}
BENCHMARK(BM_ReadTimetableRows)->Arg(0)->Arg(100)->Arg(170)->Unit(benchmark::kMillisecond)->Repetitions(5);

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

// The console report, then for each timetable the median refresh over the median raw read.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.aggregate_name == "median")
                m_medians[run.run_name.function_name + "/" + run.run_name.args] = run.GetAdjustedRealTime();
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        for (const char* arg : {"0", "100", "170"}) {
            const auto refresh = m_medians.find(std::string("BM_RefreshTable/") + arg);
            const auto read = m_medians.find(std::string("BM_ReadTimetableRows/") + arg);
            if (refresh == m_medians.end() || read == m_medians.end() || read->second <= 0)
                continue;
            GetOutputStream() << "refresh-to-raw ratio, timetable " << arg << ": "
                              << refresh->second / read->second << " (" << refresh->second << " ms / "
                              << read->second << " ms)\n";
        }
    }

private:
    std::map<std::string, double> m_medians;
};

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
