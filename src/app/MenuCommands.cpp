#include "MenuCommands.h"

#include "MainMenus.h"
#include "TreeBars.h"
#include "WindowMenu.h"
#include "frmMain.h"
#include "frmTableWindow.h"
#include "platform/FlexGrid.h"
#include "platform/HelpViewer.h"
#include "platform/ProgramInfo.h"
#include "platform/Shell.h"

#include <QAction>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

namespace {

// The View menu's items that open and close the lists' panels, by list index.
constexpr const char* ListItems[TreeBars::Count] = {"mnuViewShowTutors", "mnuViewShowSubjects",
                                                    "mnuViewShowRooms", "mnuViewShowClasses"};

} // namespace

MenuCommands::MenuCommands(frmMain& main) : QObject(&main), m_main(main) {
    const MainMenus& menus = main.menus();
    menus.connectItem("mnuFileClose", this, &MenuCommands::mnuFileClose_Click);
    menus.connectItem("mnuFileExit", this, &MenuCommands::mnuFileExit_Click);
    menus.connectItem("mnuEditSelectAll", this, &MenuCommands::mnuEditSelectAll_Click);
    menus.connectItem("mnuRightClickSelectAll", this, &MenuCommands::mnuEditSelectAll_Click);
    menus.connectItem("mnuHelpContents", this, &MenuCommands::mnuHelpContents_Click);
    menus.connectItem("mnuHelpIndex", this, &MenuCommands::mnuHelpIndex_Click);
    menus.connectItem("mnuHelpSearch", this, &MenuCommands::mnuHelpSearch_Click);
    menus.connectItem("mnuHelpOnlineSupport", this, &MenuCommands::openMakerWebPage);
    menus.connectItem("mnuHelpSendFeedback", this, &MenuCommands::openMakerWebPage);
    TreeBars& bars = m_main.picLeftBar();
    for (int index = 0; index < TreeBars::Count; ++index) {
        QAction* item = menus.item(QString::fromLatin1(ListItems[index]));
        item->setCheckable(true);
        item->setChecked(bars.isExpanded(index));
        menus.connectItem(QString::fromLatin1(ListItems[index]), &bars,
                          [&bars, index] { bars.lblShow_Click(index); });
    }
    // The check mark is set from the panel's state, whoever opened or closed it: Qt has
    // flipped it already when a menu click arrives.
    connect(&bars, &TreeBars::panelToggled, this, [&menus](int index, bool expanded) {
        menus.item(QString::fromLatin1(ListItems[index]))->setChecked(expanded);
    });
    new WindowMenu(main);
    main.installEventFilter(this);
}

void MenuCommands::leaveCloseKeyToFileClose(QMdiSubWindow& sub) {
    const QKeySequence closeKey(QStringLiteral("Ctrl+F4"));
    for (QAction* action : sub.systemMenu()->actions()) {
        QList<QKeySequence> keys = action->shortcuts();
        if (keys.removeAll(closeKey) > 0)
            action->setShortcuts(keys);
    }
}

void MenuCommands::mnuFileClose_Click() {
    if (m_main.activeTableWindow())
        m_main.mdiArea()->currentSubWindow()->close();
}

void MenuCommands::mnuFileExit_Click() {
    m_main.close();
}

bool MenuCommands::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_main && event->type() == QEvent::Close)
        m_main.mdiArea()->closeAllSubWindows();
    return QObject::eventFilter(watched, event);
}

void MenuCommands::mnuEditSelectAll_Click() {
    frmTableWindow* f = m_main.activeTableWindow();
    if (!f)
        return;
    FlexGrid& g = f->g();
    // A timetable without days or periods has nothing to select.
    if (g.Rows() < 2 || g.Cols() < 2)
        return;
    g.setRow(1);
    g.setCol(1);
    g.setRowSel(g.Rows() - 1);
    g.setColSel(g.Cols() - 1);
}

void MenuCommands::mnuHelpContents_Click() {
    HelpViewer::showContents(&m_main);
}

void MenuCommands::mnuHelpIndex_Click() {
    HelpViewer::showIndex(&m_main);
}

void MenuCommands::mnuHelpSearch_Click() {
    HelpViewer::showSearch(&m_main);
}

void MenuCommands::openMakerWebPage() {
    Shell::openWebPage(ProgramInfo::makerWebPage(), &m_main);
}
