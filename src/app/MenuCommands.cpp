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
    connectItem("mnuFileClose", &MenuCommands::mnuFileClose_Click);
    connectItem("mnuFileExit", &MenuCommands::mnuFileExit_Click);
    connectItem("mnuEditSelectAll", &MenuCommands::mnuEditSelectAll_Click);
    connectItem("mnuRightClickSelectAll", &MenuCommands::mnuEditSelectAll_Click);
    connectItem("mnuHelpContents", &MenuCommands::mnuHelpContents_Click);
    connectItem("mnuHelpIndex", &MenuCommands::mnuHelpIndex_Click);
    connectItem("mnuHelpSearch", &MenuCommands::mnuHelpSearch_Click);
    connectItem("mnuHelpOnlineSupport", &MenuCommands::openMakerWebPage);
    connectItem("mnuHelpSendFeedback", &MenuCommands::openMakerWebPage);
    TreeBars& bars = m_main.picLeftBar();
    for (int index = 0; index < TreeBars::Count; ++index) {
        QAction* item = m_main.menus().item(QString::fromLatin1(ListItems[index]));
        item->setCheckable(true);
        item->setChecked(bars.isExpanded(index));
        connect(item, &QAction::triggered, &bars, [&bars, index] { bars.lblShow_Click(index); });
    }
    // The check mark is set from the panel's state, whoever opened or closed it: Qt has
    // flipped it already when a menu click arrives.
    connect(&bars, &TreeBars::panelToggled, this,
            [this](int index, bool expanded) {
                m_main.menus().item(QString::fromLatin1(ListItems[index]))->setChecked(expanded);
            });
    new WindowMenu(main);
    main.installEventFilter(this);
}

void MenuCommands::connectItem(const char* name, void (MenuCommands::*handler)()) {
    connect(m_main.menus().item(QString::fromLatin1(name)), &QAction::triggered, this, handler);
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
    Shell::openUrl(ProgramInfo::makerWebPage());
}
