#include "frmTableWindow.h"

#include "ActiveTimetable.h"
#include "CellClipboard.h"
#include "CellEditor.h"
#include "ErrorReport.h"
#include "GridHelpers.h"
#include "MainMenus.h"
#include "ModMain.h"
#include "NameBox.h"
#include "TreeBars.h"
#include "data/BusySlots.h"
#include "data/CellLookup.h"
#include "frmMain.h"
#include "platform/FlexGrid.h"
#include "platform/LiteralText.h"
#include "platform/RedrawOff.h"
#include "platform/Twips.h"
#include "platform/WaitCursor.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

namespace {

// The first name box of the Enter walk: typing on the grid starts there.
int firstBoxOf(ViewKind kind) {
    return kind == ViewKind::Tutor ? TreeBars::Subjects : TreeBars::Tutors;
}

} // namespace

frmTableWindow::frmTableWindow(frmMain& main, int timetableId, QWidget* parent)
    : QWidget(parent), m_main(main), m_tag(timetableId) {
    setObjectName(QStringLiteral("frmTableWindow"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* b = new QWidget(this);
    b->setObjectName(QStringLiteral("b"));
    m_title = LiteralText::label(QString(), b);
    m_title->setObjectName(QStringLiteral("lblTitle"));
    m_title->setAlignment(Qt::AlignCenter);
    // A long name is clipped at the window's edge instead of widening the window out of reach.
    m_title->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_grid = new FlexGrid(b);
    m_grid->setObjectName(QStringLiteral("g"));
    // The cell the lists edit, or the one Find found, stays marked while the focus is elsewhere.
    m_grid->setCurrentShownWithoutFocus(true);

    auto* inner = new QVBoxLayout(b);
    inner->setContentsMargins(2, 2, 2, 2);
    inner->setSpacing(2);
    inner->addWidget(m_title);
    inner->addWidget(m_grid, 1);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(b);

    connect(m_grid, &FlexGrid::EnterCell, this, &frmTableWindow::g_EnterCell);
    connect(m_grid, &FlexGrid::Click, this, &frmTableWindow::g_EnterCell);
    connect(m_grid, &FlexGrid::KeyDown, this, &frmTableWindow::g_KeyDown);
    connect(m_grid, &FlexGrid::MouseUp, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, QPoint position) {
                g_MouseUp(button, position);
            });
    connect(m_grid, &FlexGrid::GotFocus, this,
            [this] { m_main.menus().item("mnuEditClear")->setEnabled(true); });
    connect(m_grid, &FlexGrid::LostFocus, this,
            [this] { m_main.menus().item("mnuEditClear")->setEnabled(false); });
}

void frmTableWindow::setDrawn(TimetableContent content) {
    content.cellSlots.clear();
    m_drawn = std::move(content);
}

QSize frmTableWindow::sizeHint() const {
    const int frame = 2 * m_grid->frameWidth() + 8;
    const QSize grid = m_grid->fullSizePixels();
    return {grid.width() + frame, grid.height() + frame + m_title->sizeHint().height()};
}

void frmTableWindow::Form_Activate() {
    WaitCursor wait;
    ModMain& state = m_main.state();
    m_main.picLeftBar().show();
    m_main.cellEditor().disableUndo();
    m_main.SaveTable(*this);

    const ActiveTimetable shown = ActiveTimetable::of(*this, state.db());
    if (!shown)
        return;
    const std::optional<ViewKind> kind = shown.view->kind();
    m_main.picLeftBar().showPanelsFor(kind, *m_grid);

    if (!state.StartingUp) {
        m_main.picLeftBar().SizeBarsStartup();
        m_main.picLeftBar().ResizeLeftBar();
        m_main.RefreshTable(*this);
        if (m_grid->Col() == 0)
            m_grid->setCol(1);
        if (m_grid->Row() == 0)
            m_grid->setRow(1);
        ClickMyGrid();
    }
    m_main.menus().setTimetableCommandsEnabled(true, kind == ViewKind::Class);
}

void frmTableWindow::ClickMyGrid() {
    g_EnterCell();
}

void frmTableWindow::g_EnterCell() {
    ModMain& state = m_main.state();
    if (state.StartingUp || !state.GridEventsEnabled)
        return;
    const ActiveTimetable viewed = ActiveTimetable::of(*this, state.db());
    if (!viewed)
        return;
    const int r = m_grid->Row();
    const int c = m_grid->Col();
    if (r < 1 || c < 1)
        return;
    Result<std::optional<CellSlot>> cell =
        CellLookup::lookup(state.db(), *viewed.view, m_grid->RowData(r), m_grid->ColData(c));
    if (!cell) {
        reportError(QStringLiteral("The period could not be read."), cell.error(), this);
        return;
    }
    if (!cell.value())
        return;

    SlotIds shown; // all none: a cell without a row
    if (cell.value()->row)
        shown = cell.value()->row->ids;
    ShowInLists(shown);
    const SlotKey& key = cell.value()->key;
    UpdateTreeViewIcons(key.start, key.dow, shown);
}

void frmTableWindow::ShowInLists(const SlotIds& shown) {
    ModMain& state = m_main.state();
    {
        FlagGuard loading(state.TreeClickWritesSlot, false);
        state.CurrentSpecialID = shown.specialId;
        TreeBars& bars = m_main.picLeftBar();
        bars.SelectTreeBarNodeById(TreeBars::Tutors, shown.tutorId);
        bars.SelectTreeBarNodeById(TreeBars::Subjects, shown.subjectId);
        bars.SelectTreeBarNodeById(TreeBars::Rooms, shown.roomId);
        bars.SelectTreeBarNodeById(TreeBars::Classes, shown.classId);
    }
    state.TreeClickWritesSlot = true;
}

void frmTableWindow::UpdateTreeViewIcons(QTime dtStartTime, const QString& sDOW,
                                         const SlotIds& shown) {
    Result<BusySlots::BusyIds> busy =
        BusySlots::busyIds(m_main.state().db(), dtStartTime, sDOW, shown);
    if (!busy) {
        reportError(QStringLiteral("Could not find who is busy in this period."), busy.error(),
                    this);
        return;
    }
    for (const TreeBars::Index list : {TreeBars::Tutors, TreeBars::Rooms, TreeBars::Classes})
        m_main.picLeftBar().setBusy(list, busy.value().of(*NameLists::ownerKind(list)));
}

void frmTableWindow::ClipboardPaste() {
    CellClipboard(m_main, *this).paste();
}

void frmTableWindow::ClipboardCopy(bool bCut) {
    CellClipboard(m_main, *this).copy(bCut);
}

void frmTableWindow::g_KeyDown(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    // Only keys that type something start a name; the grid keeps its navigation keys.
    const bool letterOrDigit =
        (key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9);
    const bool printable = !text.isEmpty() && text.at(0).isPrint();
    if (!letterOrDigit && !printable && key != Qt::Key_Space)
        return;
    const ActiveTimetable shown = ActiveTimetable::of(*this, m_main.state().db());
    if (!shown || !shown.view->kind())
        return;
    NameBox& box = m_main.picLeftBar().nameBox(firstBoxOf(*shown.view->kind()));
    box.setFocus(Qt::OtherFocusReason);
    // Shift only picks the character, so a capital starts a name; Ctrl and Alt move the focus.
    if ((modifiers & (Qt::ControlModifier | Qt::AltModifier)) != Qt::NoModifier)
        return;
    // Letters arrive as capitals, as the key's own character.
    const QString typed = letterOrDigit || key == Qt::Key_Space ? QString(QChar(key)) : text;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, typed);
    QCoreApplication::sendEvent(&box, &press);
}

void frmTableWindow::g_MouseUp(Qt::MouseButton button, QPoint position) {
    if (button != Qt::RightButton)
        return;
    reselectForMenu(position);
    m_main.menus().mnuRightClick().popup(QCursor::pos());
}

void frmTableWindow::reselectForMenu(QPoint position) {
    FlexGrid& g = *m_grid;
    const int r1 = std::min(g.Row(), g.RowSel());
    const int r2 = std::max(g.Row(), g.RowSel());
    const int c1 = std::min(g.Col(), g.ColSel());
    const int c2 = std::max(g.Col(), g.ColSel());
    const int hitRow = GetGridRowAtY(g, Twips::fromPixels(position.y()));
    const int hitCol = GetGridColAtX(g, Twips::fromPixels(position.x()));
    if (hitRow >= r1 && hitRow <= r2 && hitCol >= c1 && hitCol <= c2)
        return;
    const bool fixedRow = hitRow < g.TopRow();
    const bool fixedCol = hitCol < g.LeftCol();
    RedrawOff redrawOff(g);
    g.setCol(fixedCol ? g.LeftCol() : hitCol);
    g.setRow(fixedRow ? g.TopRow() : hitRow);
    g.setColSel(fixedCol ? g.Cols() - 1 : g.Col());
    g.setRowSel(fixedRow ? g.Rows() - 1 : g.Row());
}

void frmTableWindow::closeEvent(QCloseEvent* event) {
    m_main.SaveTable(*this);
    m_main.tableWindowClosing(*this);
    event->accept();
}
