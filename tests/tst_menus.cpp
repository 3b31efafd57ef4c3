#include "TestData.h"
#include "TestFixture.h"
#include "WizardScript.h"

#include "app/MainMenus.h"
#include "app/MainToolBar.h"
#include "app/NameBox.h"
#include "app/TreeBars.h"
#include "app/WindowMenu.h"
#include "app/frmMain.h"
#include "app/frmTableWindow.h"
#include "platform/FlexGrid.h"
#include "platform/ProgramInfo.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

using namespace TestData;

namespace {

const QString NoTimetable =
    QStringLiteral("You are not currently viewing a timetable. Select a timetable and try again.");

// Two days by two periods, owned by a new class, tutor or room named `owner`.
int addSmallTimetable(TestFixture& f, const QString& viewBy, const QString& owner) {
    return addTimetable(f.db(), viewBy, addName(f.db(), viewBy, owner), {"Mon", "Tue"},
                        {{"09:00:00"}, {"10:00:00"}});
}

QMdiSubWindow* subOf(const frmTableWindow* w) {
    return qobject_cast<QMdiSubWindow*>(w->parentWidget());
}

void activate(frmMain& main, const frmTableWindow* w) {
    main.mdiArea()->setActiveSubWindow(subOf(w));
    main.activateCurrentWindow();
}

frmTableWindow* windowOf(frmMain& main, int timetableId) {
    for (frmTableWindow* w : main.timetableWindows()) {
        if (w->Tag() == timetableId)
            return w;
    }
    return nullptr;
}

QAction* item(frmMain& main, const char* name) {
    return main.menus().item(QString::fromLatin1(name));
}

QStringList enabledTimetableCommands(frmMain& main) {
    QStringList enabled;
    for (const QString& name : MainMenus::timetableCommands()) {
        if (main.menus().item(name)->isEnabled())
            enabled << name;
    }
    return enabled;
}

MainToolBar& toolBar(frmMain& main) {
    return *main.findChild<MainToolBar*>(QStringLiteral("ToolBar"));
}

QAction* dropDownEntry(frmMain& main, int timetableId) {
    return main.viewTableMenu()->findChild<QAction*>(QStringLiteral("k%1").arg(timetableId));
}

// A timetable of five days by eight periods, the size of a school's.
int addSchoolWeekTimetable(TestFixture& f, const QString& viewBy, const QString& owner) {
    QList<Period> periods;
    for (int hour = 9; hour < 17; ++hour)
        periods << Period{QStringLiteral("%1:00:00").arg(hour, 2, 10, QLatin1Char('0'))};
    return addTimetable(f.db(), viewBy, addName(f.db(), viewBy, owner),
                        {"Mon", "Tue", "Wed", "Thu", "Fri"}, periods);
}

// Classes "C01", "C02", ... with a small timetable each, opened in that order at start-up.
void addNumberedTimetables(TestFixture& f, int count) {
    Transaction school(f.db()); // one write to the disk for them all
    for (int i = 1; i <= count; ++i)
        addSmallTimetable(f, "Class", QStringLiteral("C%1").arg(i, 2, 10, QLatin1Char('0')));
    if (!school.commit())
        qFatal("the timetables could not be stored");
}

// The Window menu's list of windows, as the user opens the menu.
QList<QAction*> windowList(frmMain& main) {
    QMenu* menu = main.menus().menu("mnuWindow");
    emit menu->aboutToShow();
    return menu->actions().mid(5); // after the four items and the separator
}

QString describe(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// Makes the main window the active window, as shortcuts need.
bool makeActive(frmMain& main) {
    main.activateWindow();
    return QTest::qWaitForWindowActive(&main);
}

// Opens a new window as the user does: File > New runs the wizard through every page with what
// it offers first; File > Open and the View Table drop-down open the stored timetable. False
// when a dialog went otherwise than planned.
bool openNewWindow(TestFixture& f, const QString& how, int timetableId) {
    WizardScript script;
    if (how == "mnuFileNew") {
        for (int page = 0; page < 7; ++page)
            script.then([](QDialog& dialog) { press(dialog, "cmdNext"); });
        if (!f.trigger(how))
            return false;
    } else if (how == "mnuFileOpen") {
        script.then([timetableId](QDialog& dialog) {
            FlexGrid& list = *dialog.findChild<FlexGrid*>(QStringLiteral("g"));
            for (int row = 1; row < list.Rows(); ++row) {
                if (list.RowData(row) == timetableId)
                    list.setRow(row);
            }
            press(dialog, "cmdOK");
        });
        if (!f.trigger(how))
            return false;
    } else {
        dropDownEntry(f.main(), timetableId)->trigger();
    }
    f.main().activateCurrentWindow();
    return script.finished() && script.unexpected == 0;
}

} // namespace

class tst_menus : public QObject {
    Q_OBJECT

private slots:
    void startUpDisablesTimetableCommands();
    void toolBarButtons_data();
    void toolBarButtons();
    void activationEnablesByKind_data();
    void activationEnablesByKind();
    void closingTheLastWindowDisablesCommands();
    void shortcuts_data();
    void shortcuts();
    void clearStaysEnabledWhileMenusOpen();
    void selectAll();
    void selectAllOnGridWithoutCells_data();
    void selectAllOnGridWithoutCells();
    void dropDownReopensOrActivates();
    void toolBarCommands_data();
    void toolBarCommands();
    void fileCloseAndExitStoreGeometry();
    void viewListItemsToggleTheirPanels();
    void tileAndCascade();
    void arrangeIconsLinesUpMinimizedWindows();
    void windowListActivatesTheChosenWindow();
    void windowListNumbersNineWithTheActiveOne_data();
    void windowListNumbersNineWithTheActiveOne();
    void moreWindowsChoosesAmongEveryWindow_data();
    void moreWindowsChoosesAmongEveryWindow();
    void viewTableDropDownStaysOnTheScreenAndScrolls();
    void newWindowOpensInsideTheWorkspace_data();
    void newWindowOpensInsideTheWorkspace();
    void cascadeStartsAgainAtTheTopLeft();
    void workspaceScrollsToAWindowPartlyOutside_data();
    void workspaceScrollsToAWindowPartlyOutside();
    void windowOpenedBesideAMaximisedOneOpensMaximised_data();
    void windowOpenedBesideAMaximisedOneOpensMaximised();
    void helpCommands_data();
    void helpCommands();
};

void tst_menus::startUpDisablesTimetableCommands() {
    TestFixture f;
    frmMain& main = f.main();
    QCOMPARE(enabledTimetableCommands(main), QStringList());
    QVERIFY(!item(main, "mnuEditUndo")->isEnabled());
    for (const char* name :
         {"mnuFileNew", "mnuFileOpen", "mnuFileExit", "mnuViewTimetable", "mnuViewShowTutors",
          "mnuWindowTileH", "mnuHelpContents", "mnuToolsManageTutors", "mnuToolsCapacityReport"})
        QVERIFY2(item(main, name)->isEnabled(), name);
    for (const char* name :
         {"mnuFilePrintPreview", "mnuFormatDefineDaysAndTimes", "mnuToolsOptions", "mnuToolsSep3"})
        QVERIFY2(!item(main, name)->isVisible(), name);
    for (const QAction* top : main.menuBar()->actions()) {
        QVERIFY(top->objectName() != QLatin1String("mnuRightClick"));
        QVERIFY(top->objectName() != QLatin1String("mnuLeftMenuRightClick"));
    }
    QVERIFY(main.statusBar()->isVisible());
    QCOMPARE(main.statusBar()->objectName(), QStringLiteral("StatusBar"));

    // A disabled item's shortcut does nothing.
    QVERIFY(makeActive(main));
    QSignalSpy selectAll(item(main, "mnuEditSelectAll"), &QAction::triggered);
    QTest::keySequence(&main, QKeySequence(QStringLiteral("Ctrl+A")));
    QCOMPARE(selectAll.count(), 0);
}

void tst_menus::toolBarButtons_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("toolTip");
    QTest::newRow("1") << 1 << "New"
                       << "New Table"
                       << "Create a new timetable";
    QTest::newRow("2") << 2 << "View"
                       << "View Table"
                       << "View an existing timetable";
    QTest::newRow("3") << 3 << "AutoFill"
                       << "Auto Fill"
                       << "Auto Fill the current timetable";
    QTest::newRow("4") << 4 << ""
                       << ""
                       << "";
    QTest::newRow("5") << 5 << "Blank"
                       << "Clear"
                       << "Clear period";
    QTest::newRow("6") << 6 << "Lunch"
                       << "Lunch"
                       << "Set period as a lunch break";
    QTest::newRow("7") << 7 << "Break"
                       << "Break"
                       << "Set period as a break";
    QTest::newRow("8") << 8 << "Unavailable"
                       << "Unavailable"
                       << "Set period as unavailable";
    QTest::newRow("9") << 9 << ""
                       << ""
                       << "";
    QTest::newRow("10") << 10 << "Manage"
                        << "Manage"
                        << "Manage tutors, rooms, classes and subjects";
}

void tst_menus::toolBarButtons() {
    QFETCH(int, position);
    QFETCH(QString, key);
    QFETCH(QString, caption);
    QFETCH(QString, toolTip);
    TestFixture f;
    frmMain& main = f.main();
    const QList<QAction*> buttons = toolBar(main).actions();
    QCOMPARE(buttons.size(), 10);
    QAction* button = buttons[position - 1];
    QCOMPARE(button->isSeparator(), key.isEmpty());
    if (key.isEmpty())
        return;
    QCOMPARE(button->data().toString(), key);
    QCOMPARE(button->text(), caption);
    QCOMPARE(button->toolTip(), toolTip);
    QVERIFY(!button->icon().isNull());
    // The menu's enabling never reaches the toolbar.
    QVERIFY(button->isEnabled());
    QVERIFY(!main.menus().timetableCommands().contains(button->objectName()));
}

void tst_menus::activationEnablesByKind_data() {
    QTest::addColumn<QString>("viewBy");
    QTest::addColumn<bool>("autoFill");
    QTest::newRow("Class") << "Class" << true;
    QTest::newRow("Tutor") << "Tutor" << false;
    QTest::newRow("Room") << "Room" << false;
}

void tst_menus::activationEnablesByKind() {
    QFETCH(QString, viewBy);
    QFETCH(bool, autoFill);
    TestFixture f;
    const int other = addSmallTimetable(f, viewBy == "Class" ? "Tutor" : "Class", "Other");
    const int id = addSmallTimetable(f, viewBy, "Owner");
    frmMain& main = f.main();
    activate(main, windowOf(main, other));
    item(main, "mnuEditUndo")->setEnabled(true);
    activate(main, windowOf(main, id));

    QStringList expected = MainMenus::timetableCommands();
    if (!autoFill)
        expected.removeOne(QStringLiteral("mnuToolsAutoFill"));
    QCOMPARE(enabledTimetableCommands(main), expected);
    QVERIFY(!item(main, "mnuEditUndo")->isEnabled());
    QVERIFY(toolBar(main).button(QStringLiteral("AutoFill"))->isEnabled());
}

void tst_menus::closingTheLastWindowDisablesCommands() {
    TestFixture f;
    const int a = addSmallTimetable(f, "Class", "7A");
    const int b = addSmallTimetable(f, "Class", "7B");
    frmMain& main = f.main();
    activate(main, windowOf(main, a));

    subOf(windowOf(main, a))->close();
    main.activateCurrentWindow();
    QCOMPARE(main.timetableWindows().size(), 1);
    QCOMPARE(main.activeTableWindow(), windowOf(main, b));
    QCOMPARE(enabledTimetableCommands(main), MainMenus::timetableCommands());

    item(main, "mnuEditUndo")->setEnabled(true);
    subOf(windowOf(main, b))->close();
    QVERIFY(!main.AnyTimeTablesLoaded());
    QCOMPARE(enabledTimetableCommands(main), QStringList());
    QVERIFY(!item(main, "mnuEditUndo")->isEnabled());
    QVERIFY(main.picLeftBar().isHidden());
}

void tst_menus::shortcuts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("keys");
    const QList<std::pair<const char*, const char*>> table = {
        {"mnuFileNew", "Ctrl+N"},
        {"mnuFileOpen", "Ctrl+O"},
        {"mnuFileClose", "Ctrl+F4"},
        {"mnuFileSave", "Ctrl+S"},
        {"mnuFilePrint", "Ctrl+P"},
        {"mnuViewTimetable", "Ctrl+T"},
        {"mnuEditUndo", "Ctrl+Z"},
        {"mnuEditCut", "Ctrl+X"},
        {"mnuEditCopy", "Ctrl+C"},
        {"mnuEditPaste", "Ctrl+V"},
        {"mnuEditClear", "Del"},
        {"mnuEditSelectAll", "Ctrl+A"},
        {"mnuEditFind", "Ctrl+F"},
        {"mnuEditReplace", "Ctrl+H"},
        {"mnuFormatStyle", "Ctrl+Y"},
        {"mnuToolsAutoFill", "Ctrl+G"},
        {"mnuToolsCapacityReport", "Ctrl+R"},
        {"mnuToolsManageTutors", "Shift+F1"},
        {"mnuToolsManageSubjects", "Shift+F2"},
        {"mnuToolsManageRooms", "Shift+F3"},
        {"mnuToolsManageClasses", "Shift+F4"},
        {"mnuPeriodLunch", "Ctrl+L"},
        {"mnuPeriodBreak", "Ctrl+B"},
        {"mnuPeriodUnavailable", "Ctrl+U"},
        {"mnuHelpContents", "F1"},
    };
    for (const auto& [name, keys] : table)
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(keys);
}

void tst_menus::shortcuts() {
    QFETCH(QString, name);
    QFETCH(QString, keys);
    TestFixture f;
    seams().help = [](const QString&, int) {};
    const int id = addSmallTimetable(f, "Class", "7A");
    frmMain& main = f.main();
    frmTableWindow* w = windowOf(main, id);
    activate(main, w);
    item(main, "mnuEditUndo")->setEnabled(true);
    QAction* action = main.menus().item(name);
    QCOMPARE(action->shortcut(), QKeySequence(keys));

    QVERIFY(makeActive(main));
    w->g().setFocus(Qt::MouseFocusReason);
    QVERIFY(w->g().hasFocus());
    QSignalSpy triggered(action, &QAction::triggered);
    QTest::keySequence(&w->g(), QKeySequence(keys));
    QCOMPARE(triggered.count(), 1);
}

void tst_menus::clearStaysEnabledWhileMenusOpen() {
    TestFixture f;
    const int id = addSmallTimetable(f, "Class", "7A");
    frmMain& main = f.main();
    frmTableWindow* w = windowOf(main, id);
    activate(main, w);
    QVERIFY(makeActive(main));
    QAction* clear = item(main, "mnuEditClear");
    w->g().setFocus(Qt::MouseFocusReason);
    QVERIFY(clear->isEnabled());

    // Alt puts the menu bar into keyboard mode, which takes the focus; E then opens Edit.
    QTest::keyClick(&w->g(), Qt::Key_Alt);
    QCOMPARE(QApplication::focusWidget(), main.menuBar());
    QVERIFY(clear->isEnabled());
    QMenu* edit = main.menus().menu("mnuEdit");
    QTest::keyClick(main.menuBar(), Qt::Key_E);
    QVERIFY(QTest::qWaitForWindowExposed(edit));
    QVERIFY(clear->isEnabled());
    QTest::keyClick(edit, Qt::Key_Escape);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCOMPARE(QApplication::focusWidget(), &w->g());
    QVERIFY(clear->isEnabled());

    edit->popup(main.mapToGlobal(QPoint(10, 10)));
    QVERIFY(QTest::qWaitForWindowExposed(edit));
    QVERIFY(clear->isEnabled());
    edit->close();
    QVERIFY(clear->isEnabled());

    // A real move into a name box hands Del to the box.
    main.picLeftBar().nameBox(TreeBars::Tutors).setFocus(Qt::TabFocusReason);
    QVERIFY(!clear->isEnabled());
    edit->popup(main.mapToGlobal(QPoint(10, 10)));
    QVERIFY(QTest::qWaitForWindowExposed(edit));
    QVERIFY(!clear->isEnabled());
    edit->close();
}

void tst_menus::selectAll() {
    TestFixture f;
    const int classId = addName(f.db(), "Class", "7A");
    const int tutorId = addName(f.db(), "Tutor", "Ann");
    const int id = addTimetable(f.db(), "Class", classId, {"Mon", "Tue", "Wed"},
                                {{"09:00:00"}, {"10:00:00"}, {"11:00:00"}});
    addSlot(f.db(), {"09:00:00", "Mon", classId, tutorId});
    frmMain& main = f.main();
    frmTableWindow* w = windowOf(main, id);
    activate(main, w);
    FlexGrid& g = w->g();
    for (const char* name : {"mnuEditSelectAll", "mnuRightClickSelectAll"}) {
        g.setRow(3);
        g.setCol(2);
        QCOMPARE(main.picLeftBar().selectedId(TreeBars::Tutors), 1);
        item(main, name)->trigger();
        QCOMPARE(g.Row(), 1);
        QCOMPARE(g.Col(), 1);
        QCOMPARE(g.RowSel(), 3);
        QCOMPARE(g.ColSel(), 3);
        // Cell (1, 1) is loaded into the lists.
        QCOMPARE(main.picLeftBar().selectedId(TreeBars::Tutors), tutorId);
    }
}

void tst_menus::selectAllOnGridWithoutCells_data() {
    QTest::addColumn<QStringList>("days");
    QTest::addColumn<bool>("withPeriod");
    QTest::newRow("no periods") << QStringList{"Mon", "Tue"} << false;
    QTest::newRow("no days") << QStringList{} << true;
}

void tst_menus::selectAllOnGridWithoutCells() {
    QFETCH(QStringList, days);
    QFETCH(bool, withPeriod);
    TestFixture f;
    QList<Period> periods;
    if (withPeriod)
        periods << Period{"09:00:00"};
    const int id = addTimetable(f.db(), "Class", addName(f.db(), "Class", "7A"), days, periods);
    frmMain& main = f.main();
    frmTableWindow* w = windowOf(main, id);
    activate(main, w);
    FlexGrid& g = w->g();
    const QList<int> before = {g.Row(), g.Col(), g.RowSel(), g.ColSel()};
    QSignalSpy entered(&g, &FlexGrid::EnterCell);
    item(main, "mnuEditSelectAll")->trigger();
    QCOMPARE(QList<int>({g.Row(), g.Col(), g.RowSel(), g.ColSel()}), before);
    QCOMPARE(entered.count(), 0);
}

void tst_menus::dropDownReopensOrActivates() {
    TestFixture f;
    const int a = addSmallTimetable(f, "Class", "7A");
    const int b = addSmallTimetable(f, "Tutor", "Ann");
    frmMain& main = f.main();
    subOf(windowOf(main, a))->close();
    activate(main, windowOf(main, b));
    const auto choose = [&main](int id) {
        dropDownEntry(main, id)->trigger();
        main.activateCurrentWindow();
    };

    choose(a);
    QCOMPARE(main.timetableWindows().size(), 2);
    frmTableWindow* reopened = windowOf(main, a);
    QVERIFY(reopened->isVisible());
    QCOMPARE(reopened->g().TextMatrix(1, 0), QStringLiteral("mon"));
    QCOMPARE(main.activeTableWindow(), reopened);

    choose(b);
    QCOMPARE(main.timetableWindows().size(), 2);
    QCOMPARE(main.activeTableWindow(), windowOf(main, b));

    // With two windows on one timetable, the first opened wins.
    frmTableWindow* second = main.LoadTable(a);
    main.RefreshTable(*second);
    subOf(second)->show();
    activate(main, windowOf(main, b));
    choose(a);
    QCOMPARE(main.activeTableWindow(), reopened);
    QCOMPARE(main.timetableWindows().size(), 3);
    QCOMPARE(toolBar(main).viewTableButton().menu(), main.viewTableMenu());
    QCOMPARE(toolBar(main).viewTableButton().popupMode(), QToolButton::MenuButtonPopup);
}

void tst_menus::toolBarCommands_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("menuItem"); // empty: the button's own Auto Fill request
    QTest::addColumn<bool>("needsTimetable");
    QTest::newRow("Clear") << "Blank"
                           << "mnuPeriodClear" << true;
    QTest::newRow("Lunch") << "Lunch"
                           << "mnuPeriodLunch" << true;
    QTest::newRow("Break") << "Break"
                           << "mnuPeriodBreak" << true;
    QTest::newRow("Unavailable") << "Unavailable"
                                 << "mnuPeriodUnavailable" << true;
    QTest::newRow("New") << "New"
                         << "mnuFileNew" << false;
    QTest::newRow("View") << "View"
                          << "mnuFileOpen" << false;
    QTest::newRow("Manage") << "Manage"
                            << "mnuToolsManageTutors" << false;
    QTest::newRow("AutoFill") << "AutoFill"
                              << "" << false;
}

void tst_menus::toolBarCommands() {
    QFETCH(QString, key);
    QFETCH(QString, menuItem);
    QFETCH(bool, needsTimetable);
    TestFixture f;
    frmMain& main = f.main();
    MainToolBar& bar = toolBar(main);
    QSignalSpy command = menuItem.isEmpty()
                             ? QSignalSpy(&bar, &MainToolBar::autoFillRequested)
                             : QSignalSpy(main.menus().item(menuItem), &QAction::triggered);
    bar.button(key)->trigger();
    if (!needsTimetable) {
        // Auto Fill runs even where its menu item is disabled, and says why it fills nothing.
        QCOMPARE(command.count(), 1);
        QCOMPARE(f.boxes.calls.size(), menuItem.isEmpty() ? 1 : 0);
        return;
    }
    QCOMPARE(command.count(), 0);
    QCOMPARE(f.boxes.calls.size(), 1);
    QCOMPARE(f.boxes.last().text, NoTimetable);
    QCOMPARE(f.boxes.last().icon, int(vb::vbCritical));
    QCOMPARE(f.boxes.last().buttons, int(vb::vbOKOnly));

    frmTableWindow* w = main.LoadTable(addSmallTimetable(f, "Tutor", "Ann"));
    main.RefreshTable(*w);
    subOf(w)->show();
    activate(main, w);
    bar.button(key)->trigger();
    QCOMPARE(f.boxes.calls.size(), 1);
    QCOMPARE(command.count(), 1);
}

void tst_menus::fileCloseAndExitStoreGeometry() {
    TestFixture f;
    const int a = addSmallTimetable(f, "Class", "7A");
    const int b = addSmallTimetable(f, "Class", "7B");
    const int c = addSmallTimetable(f, "Class", "7C");
    frmMain& main = f.main();
    activate(main, windowOf(main, a));
    windowOf(main, a)->g().setColWidth(1, 2001);
    windowOf(main, b)->g().setColWidth(1, 2002);
    windowOf(main, c)->g().setColWidth(1, 2003);

    item(main, "mnuFileClose")->trigger();
    QVERIFY(!windowOf(main, a));
    QCOMPARE(main.timetableWindows().size(), 2);

    item(main, "mnuFileExit")->trigger();
    QVERIFY(!main.isVisible());
    QVERIFY(!main.AnyTimeTablesLoaded());
    for (const auto& [id, width] : {std::pair{a, 2001}, std::pair{b, 2002}, std::pair{c, 2003}})
        QCOMPARE(
            scalar(f.db(), "SELECT Width FROM XTitle WHERE ID = ?", {columnIds(f.db(), id)[0]}),
            width);
    // Nothing is deleted: the timetables stay stored.
    QCOMPARE(scalar(f.db(), "SELECT COUNT(*) FROM TimeTableView"), 3);
}

void tst_menus::viewListItemsToggleTheirPanels() {
    TestFixture f;
    const int id = addSmallTimetable(f, "Class", "7A");
    frmMain& main = f.main();
    activate(main, windowOf(main, id));
    TreeBars& bars = main.picLeftBar();
    const char* items[TreeBars::Count] = {"mnuViewShowTutors", "mnuViewShowSubjects",
                                          "mnuViewShowRooms", "mnuViewShowClasses"};
    for (int index = 0; index < TreeBars::Count; ++index) {
        QAction* list = item(main, items[index]);
        const bool hidden = bars.picSep(index).isHidden();
        QVERIFY(!list->isChecked());
        list->trigger();
        QVERIFY(list->isChecked());
        QVERIFY(!bars.treeBar(index).isHidden());
        list->trigger();
        QVERIFY(!list->isChecked());
        QVERIFY(bars.treeBar(index).isHidden());
        // Opening a list never shows the panel that the timetable's own kind hides.
        QCOMPARE(bars.picSep(index).isHidden(), hidden);
    }
}

void tst_menus::tileAndCascade() {
    TestFixture f;
    for (const char* name : {"7A", "7B", "7C"})
        addSmallTimetable(f, "Class", name);
    frmMain& main = f.main();
    const QList<frmTableWindow*> windows = main.timetableWindows();
    subOf(windows[1])->showMaximized();
    const QRect area = main.mdiArea()->viewport()->rect();

    item(main, "mnuWindowTileH")->trigger();
    int top = 0;
    for (frmTableWindow* w : windows) {
        const QRect place = subOf(w)->geometry();
        QVERIFY(!subOf(w)->isMaximized());
        QCOMPARE(place.left(), 0);
        QCOMPARE(place.width(), area.width());
        QCOMPARE(place.top(), top);
        top = place.bottom() + 1;
    }
    QCOMPARE(top, area.height());

    item(main, "mnuWindowTileV")->trigger();
    int left = 0;
    for (frmTableWindow* w : windows) {
        const QRect place = subOf(w)->geometry();
        QCOMPARE(place.top(), 0);
        QCOMPARE(place.height(), area.height());
        QCOMPARE(place.left(), left);
        left = place.right() + 1;
    }
    QCOMPARE(left, area.width());

    item(main, "mnuWindowCascade")->trigger();
    QSet<int> lefts;
    for (frmTableWindow* w : windows)
        lefts << subOf(w)->x();
    QCOMPARE(lefts.size(), 3);
}

void tst_menus::arrangeIconsLinesUpMinimizedWindows() {
    TestFixture f;
    for (const char* name : {"7A", "7B", "7C"})
        addSmallTimetable(f, "Class", name);
    frmMain& main = f.main();
    const QList<frmTableWindow*> windows = main.timetableWindows();
    subOf(windows[0])->showMinimized();
    subOf(windows[2])->showMinimized();
    subOf(windows[0])->move(300, 40);
    subOf(windows[2])->move(10, 90);
    const QRect area = main.mdiArea()->viewport()->rect();

    item(main, "mnuWindowArrangeIcons")->trigger();
    const QRect first = subOf(windows[0])->geometry();
    const QRect second = subOf(windows[2])->geometry();
    QCOMPARE(first.topLeft(), QPoint(0, area.bottom() + 1 - first.height()));
    QCOMPARE(second.topLeft(), QPoint(first.right() + 1, first.top()));

    // Tiling leaves the row of icons uncovered.
    item(main, "mnuWindowTileH")->trigger();
    const QRect tiled = subOf(windows[1])->geometry();
    QCOMPARE(tiled.width(), area.width());
    QCOMPARE(tiled.bottom(), first.top() - 1);
}

void tst_menus::windowListActivatesTheChosenWindow() {
    TestFixture f;
    const int a = addSmallTimetable(f, "Class", "7A");
    const int b = addSmallTimetable(f, "Class", "7B");
    frmMain& main = f.main();
    activate(main, windowOf(main, b));
    QMenu* menu = main.menus().menu("mnuWindow");
    for (int shown = 0; shown < 2; ++shown) {
        emit menu->aboutToShow();
        const QList<QAction*> actions = menu->actions();
        QCOMPARE(actions.size(), 4 + 1 + 2);
        QVERIFY(actions[4]->isSeparator());
        QCOMPARE(actions[5]->text(), QStringLiteral("&1 Class 7A"));
        QCOMPARE(actions[6]->text(), QStringLiteral("&2 Class 7B"));
        QVERIFY(!actions[5]->isChecked());
        QVERIFY(actions[6]->isChecked());
    }
    menu->actions()[5]->trigger();
    main.activateCurrentWindow();
    QCOMPARE(main.activeTableWindow(), windowOf(main, a));
}

void tst_menus::windowListNumbersNineWithTheActiveOne_data() {
    QTest::addColumn<int>("open");
    QTest::addColumn<int>("active"); // 1 for the first opened
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("3 windows") << 3 << 2
                               << QStringList{"&1 Class C01", "&2 Class C02", "&3 Class C03"};
    QStringList firstNine;
    for (int i = 1; i <= 9; ++i)
        firstNine << QStringLiteral("&%1 Class C%2").arg(i).arg(i, 2, 10, QLatin1Char('0'));
    QTest::newRow("30 windows, the active one among the first nine")
        << 30 << 4 << (QStringList(firstNine) << "&More Windows...");
    QStringList withLate = firstNine.mid(0, 8);
    withLate << "&9 Class C27"
             << "&More Windows...";
    QTest::newRow("30 windows, the active one opened later") << 30 << 27 << withLate;
}

void tst_menus::windowListNumbersNineWithTheActiveOne() {
    QFETCH(int, open);
    QFETCH(int, active);
    QFETCH(QStringList, listed);
    TestFixture f;
    addNumberedTimetables(f, open);
    frmMain& main = f.main();
    frmTableWindow* chosen = main.timetableWindows().at(active - 1);
    activate(main, chosen);

    const QList<QAction*> entries = windowList(main);
    QStringList texts;
    QStringList checked;
    for (const QAction* entry : entries) {
        texts << entry->text();
        if (entry->isChecked())
            checked << entry->text();
    }
    QCOMPARE(texts, listed);
    const QString activeEntry = QStringLiteral("Class C%1").arg(active, 2, 10, QLatin1Char('0'));
    QCOMPARE(checked.size(), 1);
    QVERIFY2(checked.first().endsWith(activeEntry), qPrintable(checked.first()));
    if (open > 9)
        QVERIFY(!entries.last()->isCheckable());

    // Each numbered entry brings its own window to the front.
    QAction* first = entries.first();
    first->trigger();
    main.activateCurrentWindow();
    QCOMPARE(main.activeTableWindow(), main.timetableWindows().first());
}

void tst_menus::moreWindowsChoosesAmongEveryWindow_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("activates");
    QTest::newRow("OK") << "cmdOK" << true;
    QTest::newRow("double-click") << "double-click" << true;
    QTest::newRow("Cancel") << "cmdCancel" << false;
}

void tst_menus::moreWindowsChoosesAmongEveryWindow() {
    QFETCH(QString, answer);
    QFETCH(bool, activates);
    TestFixture f;
    addNumberedTimetables(f, 30);
    frmMain& main = f.main();
    const QList<frmTableWindow*> windows = main.timetableWindows();
    activate(main, windows[3]);

    QString caption;
    QStringList titles;
    int selected = -1;
    Qt::WindowModality modality = Qt::NonModal;
    WizardScript script(1);
    script.then([&](QDialog& dialog) {
        caption = dialog.windowTitle();
        modality = dialog.windowModality();
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("lstWindows"));
        QVERIFY(list);
        for (int row = 0; row < list->count(); ++row)
            titles << list->item(row)->text();
        selected = list->currentRow();
        if (answer == "double-click") {
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QListWidgetItem* item = list->item(24);
            list->scrollToItem(item);
            QVERIFY(list->viewport()->rect().contains(list->visualItemRect(item)));
            const QPoint at = list->visualItemRect(item).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        } else {
            list->setCurrentRow(24);
            press(dialog, qPrintable(answer));
        }
    });
    const QList<QAction*> entries = windowList(main);
    QCOMPARE(entries.last()->text(), QStringLiteral("&More Windows..."));
    entries.last()->trigger();
    main.activateCurrentWindow();

    QVERIFY(script.finished());
    QCOMPARE(script.unexpected, 0);
    QCOMPARE(script.stayedOpen, QStringList());
    QCOMPARE(script.shown, QStringList{"frmSelectWindow"});
    QCOMPARE(caption, QStringLiteral("Select Window"));
    QCOMPARE(modality, Qt::WindowModal);
    QCOMPARE(titles.size(), 30);
    QCOMPARE(titles.first(), QStringLiteral("Class C01"));
    QCOMPARE(titles.last(), QStringLiteral("Class C30"));
    QCOMPARE(selected, 3); // the active window
    QCOMPARE(main.activeTableWindow(), windows[activates ? 24 : 3]);

    // Chosen, it is among the nine of the list from then on, checked.
    const QList<QAction*> after = windowList(main);
    QCOMPARE(after[8]->text(),
             activates ? QStringLiteral("&9 Class C25") : QStringLiteral("&9 Class C09"));
    QCOMPARE(after[activates ? 8 : 3]->isChecked(), true);
}

void tst_menus::viewTableDropDownStaysOnTheScreenAndScrolls() {
    TestFixture f;
    constexpr int Count = 300;
    addNumberedTimetables(f, Count);
    frmMain& main = f.main();
    QMenu& menu = *main.viewTableMenu();
    QCOMPARE(menu.actions().size(), Count);
    QToolButton& button = toolBar(main).viewTableButton();
    menu.popup(button.mapToGlobal(QPoint(0, button.height())));
    QVERIFY(menu.isVisible());
    const QRect screen = menu.screen()->availableGeometry();
    QVERIFY2(screen.contains(menu.geometry()),
             qPrintable(describe(menu.geometry()) + " on " + describe(screen)));

    // One column, and the last item scrolls into view when it is reached.
    const QList<QAction*> items = menu.actions();
    for (QAction* item : items)
        QCOMPARE(menu.actionGeometry(item).left(), menu.actionGeometry(items.first()).left());
    QVERIFY(!menu.rect().contains(menu.actionGeometry(items.last())));
    menu.setActiveAction(items.last());
    QVERIFY2(menu.rect().contains(menu.actionGeometry(items.last())),
             qPrintable(describe(menu.actionGeometry(items.last()))));
    menu.hide();
}

void tst_menus::newWindowOpensInsideTheWorkspace_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("File > New") << "mnuFileNew";
    QTest::newRow("File > Open") << "mnuFileOpen";
    QTest::newRow("View Table drop-down") << "drop-down";
}

void tst_menus::newWindowOpensInsideTheWorkspace() {
    QFETCH(QString, how);
    TestFixture f;
    const int first = addSchoolWeekTimetable(f, "Tutor", "Ann");
    const int second = addSchoolWeekTimetable(f, "Tutor", "Bob");
    const int third = addSchoolWeekTimetable(f, "Room", "R1");
    addName(f.db(), "Class", "7A"); // the wizard's first choice, without a timetable yet
    frmMain& main = f.main();
    QCOMPARE(main.size(), QSize(1100, 750)); // the main window's size at first start
    subOf(windowOf(main, third))->close();
    QMdiArea& area = *main.mdiArea();
    QMdiSubWindow* front = subOf(windowOf(main, second));
    activate(main, windowOf(main, first));
    activate(main, windowOf(main, second));
    front->move(0, 0);

    QVERIFY(openNewWindow(f, how, third));

    frmTableWindow* opened = main.timetableWindows().last();
    QMdiSubWindow* sub = subOf(opened);
    QCOMPARE(main.activeTableWindow(), opened);
    QVERIFY(sub != front);
    const QRect workspace = area.viewport()->rect();
    QVERIFY2(workspace.contains(sub->geometry()),
             qPrintable(describe(sub->geometry()) + " in " + describe(workspace)));
    // One step down and right of the window that was in front, its title bar in view.
    const int step = sub->pos().x() - front->pos().x();
    QVERIFY(step > 0);
    QCOMPARE(sub->pos(), front->pos() + QPoint(step, step));
    QCOMPARE(step, opened->y());
    QTest::qWait(50); // the bars follow the windows once the events queued for them have run
    QVERIFY(!area.horizontalScrollBar()->isVisible());
    QVERIFY(!area.verticalScrollBar()->isVisible());
}

void tst_menus::cascadeStartsAgainAtTheTopLeft() {
    TestFixture f;
    QList<int> ids;
    Transaction school(f.db());
    for (int i = 0; i < 12; ++i)
        ids << addSchoolWeekTimetable(f, "Class", QStringLiteral("Class %1").arg(i));
    QVERIFY(school.commit());
    frmMain& main = f.main();
    for (frmTableWindow* w : main.timetableWindows())
        subOf(w)->close();
    const QRect workspace = main.mdiArea()->viewport()->rect();
    QList<QPoint> places;
    QList<QSize> sizes;
    for (int id : ids) {
        dropDownEntry(main, id)->trigger();
        main.activateCurrentWindow();
        QMdiSubWindow* sub = subOf(main.activeTableWindow());
        QVERIFY2(workspace.contains(sub->geometry()),
                 qPrintable(describe(sub->geometry()) + " in " + describe(workspace)));
        places << sub->pos();
        sizes << sub->size();
    }
    QCOMPARE(places.first(), QPoint(0, 0));
    const int step = places[1].x();
    QVERIFY(step > 0);
    int restarts = 0;
    for (int i = 1; i < places.size(); ++i) {
        if (places[i] == QPoint(0, 0)) {
            ++restarts;
            // It went back because one more step would have left the workspace.
            QVERIFY(!workspace.contains(QRect(places[i - 1] + QPoint(step, step), sizes[i])));
        } else {
            QCOMPARE(places[i], places[i - 1] + QPoint(step, step));
        }
    }
    QVERIFY(restarts > 0);
}

void tst_menus::workspaceScrollsToAWindowPartlyOutside_data() {
    QTest::addColumn<QPoint>("outside"); // how far the window reaches past the right and bottom
    QTest::newRow("right") << QPoint(120, 0);
    QTest::newRow("below") << QPoint(0, 90);
    QTest::newRow("right and below") << QPoint(120, 90);
}

void tst_menus::workspaceScrollsToAWindowPartlyOutside() {
    QFETCH(QPoint, outside);
    TestFixture f;
    addSmallTimetable(f, "Class", "7A");
    frmMain& main = f.main();
    QMdiArea& area = *main.mdiArea();
    QMdiSubWindow* sub = subOf(main.timetableWindows().first());
    const QSize room = area.viewport()->size();
    sub->move(outside.x() ? room.width() - sub->width() + outside.x() : 0,
              outside.y() ? room.height() - sub->height() + outside.y() : 0);
    // The bars follow a change of range once the events queued for it have run.
    QTRY_COMPARE(area.horizontalScrollBar()->isVisible(), outside.x() > 0);
    QTRY_COMPARE(area.verticalScrollBar()->isVisible(), outside.y() > 0);

    // Scrolled to the end, the whole window is in view.
    area.horizontalScrollBar()->setValue(area.horizontalScrollBar()->maximum());
    area.verticalScrollBar()->setValue(area.verticalScrollBar()->maximum());
    QVERIFY2(area.viewport()->rect().contains(sub->geometry()),
             qPrintable(QStringLiteral("window at %1,%2 %3x%4 in %5x%6")
                            .arg(sub->x())
                            .arg(sub->y())
                            .arg(sub->width())
                            .arg(sub->height())
                            .arg(area.viewport()->width())
                            .arg(area.viewport()->height())));

    // Back inside, nothing is left to scroll to.
    sub->move(0, 0);
    QTRY_VERIFY(!area.horizontalScrollBar()->isVisible());
    QTRY_VERIFY(!area.verticalScrollBar()->isVisible());
}

void tst_menus::windowOpenedBesideAMaximisedOneOpensMaximised_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("File > New") << "mnuFileNew";
    QTest::newRow("File > Open") << "mnuFileOpen";
    QTest::newRow("View Table drop-down") << "drop-down";
}

void tst_menus::windowOpenedBesideAMaximisedOneOpensMaximised() {
    QFETCH(QString, how);
    TestFixture f;
    const int tutor = addSmallTimetable(f, "Tutor", "Mrs Smith");
    const int room = addSmallTimetable(f, "Room", "R1");
    addName(f.db(), "Class", "7A"); // the wizard's first choice, without a timetable yet
    frmMain& main = f.main();
    QVERIFY(makeActive(main));
    const QString mainTitle = main.windowTitle();
    subOf(windowOf(main, room))->close();
    frmTableWindow* maximised = windowOf(main, tutor);
    activate(main, maximised);
    subOf(maximised)->showMaximized();
    QCOMPARE(main.windowTitle(), mainTitle + QStringLiteral(" - [Tutor Mrs Smith]"));

    QVERIFY(openNewWindow(f, how, room));

    frmTableWindow* opened = main.timetableWindows().last();
    QVERIFY(opened != maximised);
    QCOMPARE(main.activeTableWindow(), opened);
    QMdiSubWindow* sub = subOf(opened);
    QVERIFY(sub->isVisible());
    QVERIFY(sub->isMaximized());
    QCOMPARE(sub->geometry(), main.mdiArea()->viewport()->rect());
    QVERIFY(!subOf(maximised)->isMaximized());
    // The main window's title names the window in front, as Qt does for a maximised window.
    QCOMPARE(main.windowTitle(), mainTitle + QStringLiteral(" - [%1]").arg(opened->windowTitle()));

    // Restored, it shows its whole grid, as a window opened beside normal ones does.
    sub->showNormal();
    QVERIFY(!sub->isMaximized());
    const QSize frame = sub->size() - opened->size();
    QCOMPARE(sub->size(),
             (opened->sizeHint() + frame).boundedTo(main.mdiArea()->viewport()->size()));
}

void tst_menus::helpCommands_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("command");
    QTest::newRow("Contents") << "mnuHelpContents"
                              << "contents";
    QTest::newRow("Index") << "mnuHelpIndex"
                           << "index";
    QTest::newRow("Search") << "mnuHelpSearch"
                            << "search";
    QTest::newRow("Online Support") << "mnuHelpOnlineSupport"
                                    << "";
    QTest::newRow("Send Feedback") << "mnuHelpSendFeedback"
                                   << "";
}

void tst_menus::helpCommands() {
    QFETCH(QString, name);
    QFETCH(QString, command);
    TestFixture f;
    QStringList commands;
    QList<QUrl> opened;
    seams().help = [&commands](const QString& c, int) { commands << c; };
    seams().openUrl = [&opened](const QUrl& url) {
        opened << url;
        return true;
    };
    frmMain& main = f.main();
    main.menus().item(name)->trigger();
    if (command.isEmpty()) {
        QCOMPARE(opened, QList<QUrl>{ProgramInfo::makerWebPage()});
        QVERIFY(commands.isEmpty());
    } else {
        QCOMPARE(commands, QStringList{command});
        QVERIFY(opened.isEmpty());
    }
}

QTEST_MAIN(tst_menus)
#include "tst_menus.moc"
