#include "frmFind.h"

#include "app/ModMain.h"
#include "app/frmMain.h"
#include "app/frmTableWindow.h"
#include "platform/FlexGrid.h"
#include "platform/LiteralText.h"
#include "platform/MsgBox.h"
#include "platform/RedrawOff.h"
#include "platform/TextBox.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

frmFind::frmFind(frmMain& main) : QDialog(&main), m_main(main) {
    setObjectName(QStringLiteral("frmFind"));
    setWindowTitle(QStringLiteral("Find"));

    m_lblSlot = LiteralText::label(QStringLiteral("Find what:"), this);
    m_lblSlot->setObjectName(QStringLiteral("lblSlot"));
    m_txtFind = new TextBox(this);
    m_txtFind->setObjectName(QStringLiteral("txtFind"));
    m_txtFind->setMinimumWidth(220);
    m_lblSlot->setBuddy(m_txtFind);
    m_cmdOK = new QPushButton(QStringLiteral("&Find"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setDefault(true);
    m_cmdCancel = new QPushButton(QStringLiteral("Close"), this);
    m_cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_lblSlot, 0, 0);
    layout->addWidget(m_txtFind, 0, 1);
    layout->addWidget(m_cmdOK, 0, 2);
    layout->addWidget(m_cmdCancel, 1, 2);
    layout->setRowStretch(2, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_cmdOK, &QPushButton::clicked, this, &frmFind::cmdOK_Click);
    connect(m_cmdCancel, &QPushButton::clicked, this, &frmFind::cmdCancel_Click);
}

void frmFind::cmdCancel_Click() {
    close();
}

void frmFind::startSearch(frmTableWindow& active) {
    NewSearch = false;
    m_searchStart = &active;
    m_searchWindow = &active;
    m_startCell = GridTextSearch::currentCell(active.g());
    m_wrapped = false;
}

void frmFind::cmdOK_Click() {
    frmTableWindow* active = m_main.activeTableWindow();
    if (!active)
        return;
    // A search goes on only in the window where the last click stopped; anywhere else the
    // user has moved on, and a new search starts there.
    if (NewSearch || active != m_searchWindow || !m_searchStart)
        startSearch(*active);
    const QString text = m_txtFind->text();
    bool stepped = false;
    {
        FlagGuard quiet(m_main.state().GridEventsEnabled, false);
        RedrawOff redrawOff(active->g());
        stepped = GridTextSearch::step(active->g());
    }

    frmTableWindow* w = active;
    // Read only when the search goes on to another window, and then once for the click: a
    // click that stays in its window costs the same however many windows are open.
    QList<frmTableWindow*> windows;
    // Every window once, and the start window a second time up to the start cell.
    for (qsizetype visit = 0; visit == 0 || visit <= windows.size(); ++visit) {
        const bool lastStretch = m_wrapped && w == m_searchStart;
        const bool searchable = GridTextSearch::hasBodyCells(w->g());
        if (searchable && scanWindow(*w, text, visit == 0, stepped)) {
            bringToFront(*w);
            return;
        }
        if (lastStretch)
            break;
        if (searchable) {
            bringToFront(*w);
            const int answer = MsgBox(
                QStringLiteral("Finished searching this timetable. Would you like to continue "
                               "searching on the next timetable?"),
                vb::vbQuestion + vb::vbYesNoCancel, this);
            if (answer != vb::vbYes)
                return;
        }
        if (windows.isEmpty())
            windows = m_main.timetableWindows();
        w = nextWindow(windows, *w);
        m_searchWindow = w;
        m_wrapped = m_wrapped || w == m_searchStart;
    }
    NewSearch = true;
    // The way back through the start window moved its current cell with the lists held off.
    if (frmTableWindow* shown = m_main.activeTableWindow())
        shown->ClickMyGrid();
    MsgBox(QStringLiteral("Cannot find text \"%1\"").arg(text), vb::vbInformation, this);
}

bool frmFind::scanWindow(frmTableWindow& w, const QString& text, bool fromCurrent, bool stepped) {
    if (fromCurrent && !stepped)
        return false; // nothing after the last cell: this window is done
    FlexGrid& g = w.g();
    // Each cell becomes current in turn; the lists load only the cell the search stops at.
    FlagGuard quiet(m_main.state().GridEventsEnabled, false);
    RedrawOff redrawOff(g);
    if (!fromCurrent) {
        g.setRow(1);
        g.setCol(1);
    }
    const bool lastStretch = m_wrapped && &w == m_searchStart;
    return GridTextSearch::scan(g, text, lastStretch ? m_startCell : GridTextSearch::lastCell(g));
}

frmTableWindow* frmFind::nextWindow(const QList<frmTableWindow*>& windows, frmTableWindow& w) {
    const qsizetype at = windows.indexOf(&w);
    return windows.value((at + 1) % windows.size());
}

void frmFind::bringToFront(frmTableWindow& w) {
    const bool wasActive = m_main.activeTableWindow() == &w;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(w.parentWidget()))
        m_main.mdiArea()->setActiveSubWindow(sub);
    m_main.activateCurrentWindow(); // loads the current cell of a window that was not active
    if (wasActive)
        w.ClickMyGrid();
    raise();
    activateWindow();
}
