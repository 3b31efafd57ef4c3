#include "PeriodCommands.h"

#include "CellBatch.h"
#include "CellEditor.h"
#include "ErrorReport.h"
#include "MainMenus.h"
#include "ModMain.h"
#include "TreeBars.h"
#include "data/LunchColumn.h"
#include "data/PeriodKind.h"
#include "frmMain.h"
#include "frmTableWindow.h"
#include "platform/FlexGrid.h"
#include "platform/MsgBox.h"
#include "platform/RedrawOff.h"
#include "platform/WaitCursor.h"

#include <algorithm>

namespace {

const QString PeriodsNotWritten = QStringLiteral("The periods could not be written.");

bool isBlockSelected(const FlexGrid& g) {
    return g.Row() != g.RowSel() || g.Col() != g.ColSel();
}

} // namespace

PeriodCommands::PeriodCommands(frmMain& main) : QObject(&main), m_main(main) {
    setObjectName(QStringLiteral("PeriodCommands"));
    const MainMenus& menus = main.menus();
    menus.connectItem("mnuPeriodClear", this, &PeriodCommands::DoBlank);
    menus.connectItem("mnuEditClear", this, &PeriodCommands::DoBlank);
    menus.connectItem("mnuRightClickDelete", this, &PeriodCommands::DoBlank);
    menus.connectItem("mnuPeriodLunch", this, &PeriodCommands::DoLunch);
    menus.connectItem("mnuPeriodBreak", this, &PeriodCommands::DoBreak);
    menus.connectItem("mnuPeriodUnavailable", this, &PeriodCommands::DoUnavailable);
    menus.connectItem("mnuFormatDefineLunchColumn", this,
                      &PeriodCommands::mnuFormatDefineLunchColumn_Click);
    menus.connectItem("mnuFormatSameSizeColumns", this,
                      &PeriodCommands::mnuFormatSameSizeColumns_Click);
    menus.connectItem("mnuFormatSameSizeRows", this, &PeriodCommands::mnuFormatSameSizeRows_Click);
}

bool PeriodCommands::ask(const QString& question) const {
    return MsgBox(question, vb::vbQuestion + vb::vbYesNoCancel, &m_main) == vb::vbYes;
}

bool PeriodCommands::confirmBlock(const QString& question) const {
    const frmTableWindow* f = m_main.activeTableWindow();
    return f && (!isBlockSelected(f->g()) || ask(question));
}

void PeriodCommands::DoBlank() {
    if (confirmBlock(QStringLiteral("Blank all selected periods?")))
        SetSpecialCells(Ordinary);
}

void PeriodCommands::DoUnavailable() {
    if (confirmBlock(QStringLiteral("Make all selected periods unavailable?")))
        SetSpecialCells(Unavailable);
}

void PeriodCommands::DoLunch() {
    SetSpecialCells(Lunch);
}

void PeriodCommands::DoBreak() {
    if (confirmBlock(QStringLiteral("Make all selected periods breaks?")))
        SetSpecialCells(Break);
}

void PeriodCommands::SetSpecialCells(int iSpecialSlotID) {
    frmTableWindow* f = m_main.activeTableWindow();
    if (!f)
        return;
    WaitCursor wait;
    writeCellsAllOrNothing(m_main, *f, PeriodsNotWritten,
                           [&] { return writeBlock(*f, iSpecialSlotID); });
}

bool PeriodCommands::writeBlock(frmTableWindow& f, int iSpecialSlotID) {
    FlexGrid& g = f.g();
    // Written from the top-left corner, whichever corner the user started the selection at;
    // the header row and column are never part of it.
    const int top = std::max(1, std::min(g.Row(), g.RowSel()));
    const int bottom = std::max(g.Row(), g.RowSel());
    const int left = std::max(1, std::min(g.Col(), g.ColSel()));
    const int right = std::max(g.Col(), g.ColSel());
    bool written = true;
    {
        RedrawOff redrawOff(g);
        for (int r = top; r <= bottom && written; ++r) {
            for (int c = left; c <= right && written; ++c)
                written = writeSpecialCell(f, r, c, iSpecialSlotID).ok();
        }
        g.setRow(top);
        g.setCol(left);
        g.setRowSel(bottom);
        g.setColSel(right);
    }
    m_main.state().TreeClickWritesSlot = true;
    return written;
}

Result<void> PeriodCommands::writeSpecialCell(frmTableWindow& f, int row, int col,
                                              int iSpecialSlotID) {
    ModMain& state = m_main.state();
    TreeBars& bars = m_main.picLeftBar();
    {
        // Moving is quiet: the cell is loaded once, below, not once per coordinate.
        FlagGuard quiet(state.GridEventsEnabled, false);
        f.g().setRow(row);
        f.g().setCol(col);
    }
    f.ClickMyGrid();
    FlagGuard keep(state.KeepSpecialID, true);
    state.TreeClickWritesSlot = false;
    state.CurrentSpecialID = iSpecialSlotID;
    bars.SelectTreeBarNodeById(TreeBars::Tutors, 1);
    bars.SelectTreeBarNodeById(TreeBars::Subjects, 1);
    bars.SelectTreeBarNodeById(TreeBars::Rooms, 1);
    // The last selection's click writes the cell.
    state.TreeClickWritesSlot = true;
    return m_main.cellEditor().writeThroughClick(
        [&bars] { bars.SelectTreeBarNodeById(TreeBars::Classes, 1); });
}

void PeriodCommands::mnuFormatDefineLunchColumn_Click() {
    frmTableWindow* f = m_main.activeTableWindow();
    if (!f || f->g().Col() < 1)
        return;
    const DBConnection& db = m_main.state().db();
    const int column = f->g().ColData(f->g().Col());
    Result<std::optional<int>> special = LunchColumn::specialIdOf(db, column);
    if (!special) {
        reportError(QStringLiteral("The period could not be read."), special.error(), &m_main);
        return;
    }
    if (!special.value())
        return;
    const bool removing = *special.value() == Lunch;
    if (!ask(removing ? QStringLiteral("Remove the lunch break from this column?")
                      : QStringLiteral("Set this column for a lunch break?")))
        return;
    const int value = removing ? Ordinary : Lunch;
    WaitCursor wait;
    // The header and every day's cell change together or not at all.
    const bool changed = writeCellsAllOrNothing(m_main, *f, PeriodsNotWritten, [&] {
        if (Result<void> set = LunchColumn::setSpecialId(db, column, value); !set) {
            reportError(QStringLiteral("The lunch column could not be changed."), set.error(),
                        &m_main);
            return false;
        }
        // Every day of the current column only, whatever else was selected.
        f->g().setRow(1);
        f->g().setRowSel(f->g().Rows() - 1);
        return writeBlock(*f, value);
    });
    if (changed)
        m_main.RefreshTable(*f);
}

void PeriodCommands::mnuFormatSameSizeColumns_Click() {
    frmTableWindow* f = m_main.activeTableWindow();
    if (!f || !ask(QStringLiteral("Set all columns to the same width?")))
        return;
    FlexGrid& g = f->g();
    const int width = g.ColWidth(g.Col());
    RedrawOff redrawOff(g);
    for (int c = 1; c < g.Cols(); ++c)
        g.setColWidth(c, width);
}

void PeriodCommands::mnuFormatSameSizeRows_Click() {
    frmTableWindow* f = m_main.activeTableWindow();
    if (!f || !ask(QStringLiteral("Set all rows to the same height?")))
        return;
    FlexGrid& g = f->g();
    const int height = g.RowHeight(g.Row());
    RedrawOff redrawOff(g);
    for (int r = 1; r < g.Rows(); ++r)
        g.setRowHeight(r, height);
}
