#include "CellEditor.h"

#include "ActiveTimetable.h"
#include "ErrorReport.h"
#include "MainMenus.h"
#include "ModMain.h"
#include "NameBox.h"
#include "TimetableDrawing.h"
#include "TreeBars.h"
#include "WindowRedraws.h"
#include "data/CellLookup.h"
#include "data/SlotWriter.h"
#include "data/TimetableLook.h"
#include "data/TimetableView.h"
#include "frmMain.h"
#include "frmTableWindow.h"
#include "platform/FlexGrid.h"
#include "platform/MsgBox.h"
#include "platform/RedrawOff.h"

#include <QAction>

#include <utility>

CellEditor::CellEditor(frmMain& main) : QObject(&main), m_main(main) {
    setObjectName(QStringLiteral("CellEditor"));
    TreeBars& bars = main.picLeftBar();
    connect(&bars, &TreeBars::writeRequested, this,
            [this](int index) { m_clickWrite = UpdateSlot(index); });
    connect(&bars, &TreeBars::enterPressed, this, &CellEditor::nameBoxEnter);
    main.menus().connectItem("mnuEditUndo", this, &CellEditor::mnuEditUndo_Click);
}

Result<void> CellEditor::writeThroughClick(const std::function<void()>& click) {
    m_clickWrite = {};
    click();
    return std::exchange(m_clickWrite, {});
}

CellEditor::UndoState CellEditor::undoState() const {
    return {m_undo, m_main.menus().item(QStringLiteral("mnuEditUndo"))->isEnabled()};
}

void CellEditor::restoreUndo(const UndoState& state) {
    m_undo = state.record;
    setUndoEnabled(state.enabled);
}

void CellEditor::dropUndo() {
    m_undo.reset();
    setUndoEnabled(false);
}

void CellEditor::disableUndo() {
    setUndoEnabled(false);
}

void CellEditor::setUndoEnabled(bool enabled) {
    m_main.menus().item(QStringLiteral("mnuEditUndo"))->setEnabled(enabled);
}

Result<void> CellEditor::UpdateSlot(int) {
    frmTableWindow* f = m_main.activeTableWindow();
    if (!f || f->g().Row() < 1 || f->g().Col() < 1)
        return {};
    std::optional<CellWriteProblem> problem;
    {
        // One transaction for the whole click: the write and the reads that show it share one
        // lock instead of each statement taking and giving back its own.
        Transaction click(m_main.state().db());
        if (!click.started())
            problem = CellWriteProblem{QStringLiteral("The period could not be written."),
                                       click.started().error(), true, false};
        else
            problem = writeCurrentCell(*f);
        if (!problem) {
            if (Result<void> committed = click.commit(); !committed) {
                problem = CellWriteProblem{QStringLiteral("The period could not be written."),
                                           committed.error(), true, true};
                dropUndo();
            }
        }
    } // a problem rolls it back
    if (std::optional<WrittenCell> written = std::exchange(m_written, std::nullopt);
        written && !problem)
        showInOtherWindows(written->key, written->before, written->after, f);
    if (!problem)
        return {};
    if (problem->error)
        reportError(problem->text, *problem->error, &m_main);
    else
        MsgBox(problem->text, vb::vbCritical, &m_main);
    if (problem->redraw)
        m_main.RefreshTable(*f);
    if (problem->reloadCell)
        f->ClickMyGrid();
    if (problem->error)
        return *problem->error;
    return {};
}

std::optional<CellEditor::CellWriteProblem> CellEditor::writeCurrentCell(frmTableWindow& f) {
    ModMain& state = m_main.state();
    TreeBars& bars = m_main.picLeftBar();
    FlexGrid& g = f.g();
    Result<std::optional<TimetableView>> view = TimetableView::read(state.db(), f.Tag());
    if (!view)
        return CellWriteProblem{QStringLiteral("The timetable could not be read."), view.error(),
                                false, false};
    if (!view.value() || !view.value()->kind())
        return std::nullopt;
    Result<std::optional<SlotKey>> key =
        CellLookup::keyForCell(state.db(), *view.value(), g.RowData(g.Row()), g.ColData(g.Col()));
    if (!key)
        return CellWriteProblem{QStringLiteral("The period could not be read."), key.error(), false,
                                false};
    if (!key.value())
        return std::nullopt;

    SlotIds chosen;
    chosen.tutorId = bars.selectedId(TreeBars::Tutors);
    chosen.subjectId = bars.selectedId(TreeBars::Subjects);
    chosen.roomId = bars.selectedId(TreeBars::Rooms);
    chosen.classId = bars.selectedId(TreeBars::Classes);
    chosen.specialId = state.CurrentSpecialID;
    Result<SlotWriteOutcome> outcome = SlotWriter(state.db()).write(*key.value(), chosen);
    if (!outcome)
        return CellWriteProblem{QStringLiteral("The period could not be written."), outcome.error(),
                                true, false};
    if (!outcome.value().wrote())
        return CellWriteProblem{outcome.value().clash.message, std::nullopt, true, false};
    m_undo = outcome.value().undo;
    m_written = WrittenCell{*key.value(), outcome.value().undo.before, outcome.value().written};
    setUndoEnabled(true);
    if (outcome.value().tookOver) {
        const SlotIds& written = outcome.value().written;
        FlagGuard selecting(state.TreeClickWritesSlot, false);
        bars.SelectTreeBarNodeById(TreeBars::Tutors, written.tutorId);
        bars.SelectTreeBarNodeById(TreeBars::Subjects, written.subjectId);
        bars.SelectTreeBarNodeById(TreeBars::Rooms, written.roomId);
        bars.SelectTreeBarNodeById(TreeBars::Classes, written.classId);
    }
    state.TreeClickWritesSlot = true;
    DisplayCurrentSlot();
    return std::nullopt;
}

void CellEditor::showInOtherWindows(const SlotKey& key, const SlotIds& before, const SlotIds& after,
                                    const frmTableWindow* drawnIn) {
    WindowRedraws::CellPlace drawn;
    if (drawnIn)
        drawn = {drawnIn, drawnIn->g().Row(), drawnIn->g().Col()};
    m_main.redraws().cellWritten(key.start, key.dow, before, after, drawn);
}

void CellEditor::DisplayCurrentSlot() {
    const ActiveTimetable active = m_main.activeTimetable();
    if (!active)
        return;
    frmTableWindow* f = active.window;
    Result<std::optional<TimetableLook>> look =
        TimetableLooks::readTimetable(m_main.state().db(), f->Tag());
    if (!look) {
        reportError(QStringLiteral("The timetable could not be read."), look.error(), &m_main);
        return;
    }
    if (!look.value())
        return;
    const TimetableColors colors = TimetableColors::of(*look.value());
    const TreeBars& bars = m_main.picLeftBar();
    FlexGrid& g = f->g();
    if (m_main.state().CurrentSpecialID == 1) {
        g.setCellBackColor(colors.lessonBack);
        g.setCellForeColor(colors.colHeadFore);
        g.setText(frmMain::FormatSlotText(
            bars.selectedName(TreeBars::Tutors), bars.selectedName(TreeBars::Subjects),
            bars.selectedName(TreeBars::Rooms), bars.selectedName(TreeBars::Classes),
            active.view->viewBy));
    } else {
        g.setText(QString());
        g.setCellBackColor(colors.unavailableBack);
        g.setCellForeColor(colors.unavailableFore);
    }
    f->ClickMyGrid();
}

void CellEditor::mnuEditUndo_Click() {
    frmTableWindow* f = m_main.activeTableWindow();
    if (!f || !m_undo)
        return;
    setUndoEnabled(false);
    const SlotWriter writer(m_main.state().db());
    Result<std::optional<SlotRow>> current = writer.readRow(m_undo->rowId);
    if (!current) {
        reportError(QStringLiteral("The last change could not be undone."), current.error(),
                    &m_main);
        return;
    }
    Result<ClashCheck> undone = writer.undo(*m_undo);
    if (!undone) {
        reportError(QStringLiteral("The last change could not be undone."), undone.error(),
                    &m_main);
        return;
    }
    if (undone.value().clash) {
        MsgBox(undone.value().message, vb::vbCritical, &m_main);
        return;
    }
    const SlotUndo undoneRecord = *std::exchange(m_undo, std::nullopt);
    showInOtherWindows(undoneRecord.key,
                       current.value() ? current.value()->ids : undoneRecord.before,
                       undoneRecord.before, nullptr);
    // The undone row may belong to another cell than the current one: redraw the whole grid.
    m_main.RefreshTable(*f);
    f->ClickMyGrid();
}

void CellEditor::SelectNextCell(frmTableWindow& f) {
    FlexGrid& g = f.g();
    RedrawOff redrawOff(g);
    if (g.Col() < g.Cols() - 1) {
        g.setCol(g.Col() + 1);
    } else if (g.Row() < g.Rows() - 1) {
        g.setRow(g.Row() + 1);
        g.setCol(1);
    } else {
        g.setCol(1);
        g.setRow(1);
    }
}

void CellEditor::nameBoxEnter(int index) {
    TreeBars& bars = m_main.picLeftBar();
    bars.NameBoxDeleting = false;
    const ActiveTimetable active = m_main.activeTimetable();
    if (!active || !active.view->kind())
        return;
    frmTableWindow* f = active.window;
    // The Enter walk per kind: the next box, -1 for nothing, Finish after the last box.
    constexpr int Finish = 9;
    constexpr int walk[3][TreeBars::Count] = {
        /* Class */ {TreeBars::Subjects, TreeBars::Rooms, Finish, -1},
        /* Tutor */ {-1, TreeBars::Rooms, TreeBars::Classes, Finish},
        /* Room */ {TreeBars::Subjects, TreeBars::Classes, -1, Finish},
    };
    const ViewKind kind = *active.view->kind();
    const int next = walk[static_cast<int>(kind)][index];
    if (next == -1)
        return;
    if (next != Finish) {
        bars.nameBox(next).setFocus(Qt::TabFocusReason);
        return;
    }
    bars.nameBoxLeft(index);
    SelectNextCell(*f);
    bars.nameBox(kind == ViewKind::Tutor ? TreeBars::Subjects : TreeBars::Tutors)
        .setFocus(Qt::TabFocusReason);
}
