// Speed of Find and Replace on a large school's database.
#include "BenchSchool.h"

#include "app/ModMain.h"
#include "app/frmMain.h"
#include "app/frmTableWindow.h"
#include "data/DBConnection.h"
#include "output/OutputCommands.h"
#include "output/frmFind.h"
#include "output/frmReplace.h"
#include "platform/FlexGrid.h"
#include "platform/MsgBox.h"
#include "platform/Seams.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The main window on the school at the benchmark's size, every timetable open, and Class 1's 5-day,
// 8-period timetable active; on a copy of the school when the benchmark changes it.
struct OpenSchool {
    ModMain shared;
    std::unique_ptr<frmMain> window;
    frmTableWindow* classTable = nullptr;

    OutputCommands& outputCommands() const { return *window->findChild<OutputCommands*>(); }

    OpenSchool(benchmark::State& state, bool changesTheSchool) {
        schoolFolder(int(state.range(0)));
        if (changesTheSchool && !useCopyOfSchool(shared, state))
            return;
        window = startedWindow(shared, state);
        if (!window)
            return;
        classTable = window->timetableWindows().value(0);
        window->mdiArea()->setActiveSubWindow(
            qobject_cast<QMdiSubWindow*>(classTable->parentWidget()));
        window->activateCurrentWindow();
    }
};

// One click of Find with a text no cell shows: the whole grid is scanned and the question
// (answered No) ends the click.
void BM_FindClickWithoutMatch(benchmark::State& state) {
    OpenSchool school(state, false);
    if (!school.classTable)
        return;
    int questions = 0;
    seams().msgBox = [&questions](const MsgBoxCall&) {
        ++questions;
        return int(vb::vbNo);
    };
    school.outputCommands().mnuEditFind_Click();
    frmFind* find = school.outputCommands().find();
    find->txtFind().setText("no such text");
    FlexGrid& g = school.classTable->g();
    for (auto _ : state) {
        state.PauseTiming();
        {
            FlagGuard quiet(school.shared.GridEventsEnabled, false);
            g.setRow(1);
            g.setCol(1);
        }
        state.ResumeTiming();
        find->cmdOK_Click();
    }
    if (questions != int(state.iterations()) || g.Row() != g.Rows() - 1)
        state.SkipWithError("the grid was not scanned to its end");
    seams().msgBox = nullptr;
}
BENCHMARK(BM_FindClickWithoutMatch)
    ->Apply(atSchoolSizes)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5);

// A subject replaced in all 40 cells of Class 1's timetable, and back again on the next run.
void BM_SubjectReplaceOf40Cells(benchmark::State& state) {
    OpenSchool school(state, true);
    if (!school.classTable)
        return;
    const DBConnection& db = school.shared.db();
    int from = 2;
    int to = 3;
    // Class 1 (id 2) takes subject 2 in every period of its week.
    if (!db.run("UPDATE Slot SET SubjectID = ? WHERE ClassID = 2 AND DOW IN ('Mon', 'Tue', 'Wed', "
                "'Thu', 'Fri')",
                {from})) {
        state.SkipWithError("the lessons could not be set up");
        return;
    }
    school.window->RefreshTable(*school.classTable);
    int boxes = 0;
    seams().msgBox = [&boxes](const MsgBoxCall&) {
        ++boxes;
        return int(vb::vbOK);
    };
    const auto pick = [](QListWidget& list, int id) {
        for (int i = 0; i < list.count(); ++i) {
            if (list.item(i)->data(Qt::UserRole).toInt() == id)
                list.setCurrentRow(i);
        }
    };
    for (auto _ : state) {
        state.PauseTiming();
        school.outputCommands().mnuEditReplace_Click();
        frmReplace* replace = school.outputCommands().replace();
        replace->cboType().setCurrentIndex(replace->cboType().findText("Subject"));
        replace->cboType_Click();
        pick(replace->lstFind(), from);
        pick(replace->lstReplace(), to);
        state.ResumeTiming();
        replace->cmdOK_Click();
        state.PauseTiming();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        std::swap(from, to);
        state.ResumeTiming();
    }
    Result<std::optional<QSqlRecord>> left =
        db.firstRow("SELECT COUNT(*) FROM Slot WHERE ClassID = 2 AND SubjectID = ? "
                    "AND DOW IN ('Mon', 'Tue', 'Wed', 'Thu', 'Fri')",
                    {from});
    if (boxes != 0 || !left || !left.value() || left.value()->value(0).toInt() != 40)
        state.SkipWithError("not every cell was replaced");
    seams().msgBox = nullptr;
}
BENCHMARK(BM_SubjectReplaceOf40Cells)
    ->Apply(atSchoolSizes)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5);

} // namespace
