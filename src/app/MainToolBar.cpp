#include "MainToolBar.h"

#include "ActiveTimetable.h"
#include "MainMenus.h"
#include "frmMain.h"
#include "frmTableWindow.h"
#include "platform/Resources.h"
#include "platform/WaitCursor.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QToolButton>

MainToolBar::MainToolBar(frmMain& main) : QToolBar(&main), m_main(main) {
    setObjectName(QStringLiteral("ToolBar"));
    setWindowTitle(QStringLiteral("Toolbar"));
    setMovable(false);
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);

    addButton("New", "New Table", "Create a new timetable", "new");
    addButton("View", "View Table", "View an existing timetable", "view");
    addButton("AutoFill", "Auto Fill", "Auto Fill the current timetable", "autofill");
    addSeparator();
    addButton("Blank", "Clear", "Clear period", "blank");
    addButton("Lunch", "Lunch", "Set period as a lunch break", "lunch");
    addButton("Break", "Break", "Set period as a break", "break");
    addButton("Unavailable", "Unavailable", "Set period as unavailable", "unavailable");
    addSeparator();
    addButton("Manage", "Manage", "Manage tutors, rooms, classes and subjects", "manage");

    QToolButton& view = viewTableButton();
    view.setMenu(m_main.viewTableMenu());
    view.setPopupMode(QToolButton::MenuButtonPopup);
    connect(m_main.viewTableMenu(), &QMenu::triggered, this,
            [this](QAction* entry) { ToolBar_ButtonMenuClick(*entry); });
    m_main.addToolBar(Qt::TopToolBarArea, this);
}

void MainToolBar::addButton(const QString& key, const QString& caption, const QString& toolTip,
                            const QString& icon) {
    QAction* action = addAction(Resources::icon(icon), caption);
    action->setObjectName(key);
    action->setData(key);
    action->setToolTip(toolTip);
    connect(action, &QAction::triggered, this, [this, key] { ToolBar_ButtonClick(key); });
}

QAction* MainToolBar::button(const QString& key) const {
    for (QAction* action : actions()) {
        if (action->data().toString() == key)
            return action;
    }
    return nullptr;
}

QToolButton& MainToolBar::viewTableButton() const {
    return *qobject_cast<QToolButton*>(widgetForAction(button(QStringLiteral("View"))));
}

void MainToolBar::ToolBar_ButtonClick(const QString& key) {
    if (key == QLatin1String("Blank") && timetableCheck())
        runMenuItem(QStringLiteral("mnuPeriodClear"));
    else if (key == QLatin1String("Lunch") && timetableCheck())
        runMenuItem(QStringLiteral("mnuPeriodLunch"));
    else if (key == QLatin1String("Break") && timetableCheck())
        runMenuItem(QStringLiteral("mnuPeriodBreak"));
    else if (key == QLatin1String("Unavailable") && timetableCheck())
        runMenuItem(QStringLiteral("mnuPeriodUnavailable"));
    else if (key == QLatin1String("AutoFill"))
        emit autoFillRequested();
    else if (key == QLatin1String("Manage"))
        runMenuItem(QStringLiteral("mnuToolsManageTutors"));
    else if (key == QLatin1String("New"))
        runMenuItem(QStringLiteral("mnuFileNew"));
    else if (key == QLatin1String("View"))
        runMenuItem(QStringLiteral("mnuFileOpen"));
}

bool MainToolBar::timetableCheck() {
    return static_cast<bool>(m_main.activeTimetable(IfNoTimetable::TellUser));
}

void MainToolBar::runMenuItem(const QString& name) {
    m_main.menus().item(name)->trigger();
}

void MainToolBar::ToolBar_ButtonMenuClick(const QAction& entry) {
    bool isNumber = false;
    const int timetableId = entry.data().toString().mid(1).toInt(&isNumber);
    if (!isNumber)
        return;
    // The first window opened on the timetable wins.
    for (frmTableWindow* window : m_main.timetableWindows()) {
        if (window->Tag() == timetableId) {
            m_main.mdiArea()->setActiveSubWindow(
                qobject_cast<QMdiSubWindow*>(window->parentWidget()));
            return;
        }
    }
    WaitCursor wait;
    frmTableWindow* window = m_main.LoadTable(timetableId);
    if (!window)
        return;
    m_main.RefreshTable(*window);
    m_main.showTableWindow(*window);
}
