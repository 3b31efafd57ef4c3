#include "CellClipboard.h"

#include "ActiveTimetable.h"
#include "CellEditor.h"
#include "ErrorReport.h"
#include "ModMain.h"
#include "TreeBars.h"
#include "data/CellClipboardText.h"
#include "data/CellLookup.h"
#include "data/TimetableView.h"
#include "frmMain.h"
#include "frmTableWindow.h"
#include "platform/FlexGrid.h"

#include <QClipboard>
#include <QGuiApplication>

// The clipboard's names come in the order of the lists.
static_assert(TreeBars::Count == CellClipboardText::NameCount && TreeBars::Tutors == 0 &&
              TreeBars::Subjects == 1 && TreeBars::Rooms == 2 && TreeBars::Classes == 3);

namespace {

// The window's timetable when it is of a kind that owns cells; nothing otherwise.
std::optional<TimetableView> readView(const DBConnection& db, frmTableWindow& window) {
    const ActiveTimetable shown = ActiveTimetable::of(window, db);
    if (!shown || !shown.view->kind())
        return std::nullopt;
    return shown.view;
}

} // namespace

bool CellClipboard::isActive() const {
    const FlexGrid& g = m_window.g();
    return m_main.activeTableWindow() == &m_window && g.Row() >= 1 && g.Col() >= 1;
}

void CellClipboard::copy(bool cut) const {
    // A cut writes through the active window's cell: it must be this window's.
    if (cut && !isActive())
        return;
    const DBConnection& db = m_main.state().db();
    const std::optional<TimetableView> view = readView(db, m_window);
    const FlexGrid& g = m_window.g();
    if (!view || g.Row() < 1 || g.Col() < 1)
        return;
    Result<std::optional<CellSlot>> cell =
        CellLookup::lookup(db, *view, g.RowData(g.Row()), g.ColData(g.Col()));
    if (!cell) {
        reportError(QStringLiteral("The period could not be read."), cell.error(), &m_window);
        return;
    }
    if (!cell.value() || !cell.value()->row)
        return;
    Result<std::optional<CellClipboardText>> text =
        CellClipboardText::ofSlot(db, cell.value()->row->id);
    if (!text) {
        reportError(QStringLiteral("The period could not be read."), text.error(), &m_window);
        return;
    }
    if (!text.value())
        return;
    QGuiApplication::clipboard()->setText(text.value()->toText());
    if (cut)
        blankCurrentCell();
}

void CellClipboard::blankCurrentCell() const {
    ModMain& state = m_main.state();
    TreeBars& bars = m_main.picLeftBar();
    {
        FlagGuard selecting(state.TreeClickWritesSlot, false);
        for (int index = 0; index < TreeBars::Count; ++index)
            bars.SelectTreeBarNodeById(index, 1);
    }
    state.CurrentSpecialID = 1;
    state.TreeClickWritesSlot = true;
    // A failed write was shown already, and a cut is one cell: nothing more to stop.
    (void)m_main.cellEditor().UpdateSlot(TreeBars::Classes);
}

void CellClipboard::paste() const {
    if (!isActive())
        return;
    const std::optional<CellClipboardText> cell =
        CellClipboardText::parse(QGuiApplication::clipboard()->text());
    if (!cell || !readView(m_main.state().db(), m_window))
        return;
    TreeBars& bars = m_main.picLeftBar();
    std::array<int, TreeBars::Count> ids{};
    for (int index = 0; index < TreeBars::Count; ++index) {
        const QString& name = cell->names[index];
        const QTreeWidgetItem* node =
            name.isEmpty() ? nullptr : bars.FindTreeNodeByText(index, name);
        if (!name.isEmpty() && !node)
            return; // a name the lists do not know: refused rather than made up
        ids[index] = TreeBars::nodeId(node);
    }
    ModMain& state = m_main.state();
    {
        FlagGuard selecting(state.TreeClickWritesSlot, false);
        for (int index = 0; index < TreeBars::Count; ++index)
            bars.SelectTreeBarNodeById(index, ids[index]);
    }
    state.TreeClickWritesSlot = true;
    state.CurrentSpecialID = cell->specialId;
    (void)m_main.cellEditor().UpdateSlot(TreeBars::Classes);
}
