#include "LeftBarDriver.h"
#include "TestData.h"
#include "TestFixture.h"
#include "WizardScript.h"

#include "app/TreeBars.h"
#include "app/frmMain.h"
#include "app/frmTableWindow.h"
#include "output/OutputCommands.h"
#include "output/frmFind.h"
#include "output/frmReplace.h"
#include "output/frmStylePicker.h"
#include "platform/FlexGrid.h"
#include "setup/frmManage.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <functional>

using namespace TestData;
using namespace LeftBarDriver;

namespace {

// Timetables of 7A, Ann, Bob and R1, each Mon, Tue by 9:00, 9:40, all open after start-up; 7A
// holds Bob / English / R2 at Tue 9:40.
struct School : SmallSchool {
    int tt7A = 0, ttAnn = 0, ttBob = 0, ttR1 = 0;
};

School makeSchool(TestFixture& f) {
    School s{addSmallSchool(f.db())};
    const QStringList days{"Mon", "Tue"};
    const QList<Period> periods{{"09:00:00", 40}, {"09:40:00", 40}};
    s.tt7A = addTimetable(f.db(), "Class", s.c7A, days, periods);
    s.ttAnn = addTimetable(f.db(), "Tutor", s.ann, days, periods);
    s.ttBob = addTimetable(f.db(), "Tutor", s.bob, days, periods);
    s.ttR1 = addTimetable(f.db(), "Room", s.r1, days, periods);
    addSlot(f.db(), {"09:40:00", "Tue", s.c7A, s.bob, s.r2, s.english});
    return s;
}

frmTableWindow* windowOf(TestFixture& f, int timetableId) {
    for (frmTableWindow* window : f.main().timetableWindows()) {
        if (window->Tag() == timetableId)
            return window;
    }
    return nullptr;
}

// Where the grid's current cell and selection are.
QList<int> placeOf(const FlexGrid& g) {
    return {g.Row(), g.Col(), g.RowSel(), g.ColSel()};
}

// 7A active at Mon 9:00, with Ann, Maths and R1 clicked into it.
frmTableWindow* writeAnnInto7A(TestFixture& f, const School& s) {
    frmTableWindow* w = f.activateOpen(s.tt7A);
    if (!w)
        return nullptr;
    selectCells(w->g(), 1, 1);
    TreeBars& bars = f.main().picLeftBar();
    clickItem(bars, TreeBars::Tutors, "Ann");
    clickItem(bars, TreeBars::Subjects, "Maths");
    clickItem(bars, TreeBars::Rooms, "R1");
    return w;
}

QStringList boxTexts(const TestFixture& f) {
    QStringList texts;
    for (const MsgBoxCall& call : f.boxes.calls)
        texts << call.text;
    return texts;
}

void choose(QListWidget& list, const QString& name) {
    const QList<QListWidgetItem*> found = list.findItems(name, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(name));
    list.setCurrentItem(found.first());
}

} // namespace

class tst_openwindows : public QObject {
    Q_OBJECT
private slots:
    void aWriteShowsInTheTutorsAndRoomsWindowsWithoutMovingThem();
    void aClickCostsTheSameWithManyWindowsOpen();
    void closingManageWithoutAChangeRedrawsOnlyTheActiveWindow();
    void replaceLeavesNoStaleTextInOtherWindows();
    void findFindsALessonEnteredInAnotherWindow();
    void aDeleteInManageShowsInEveryOpenWindow();
    void draggedSizesOutliveARedraw_data();
    void draggedSizesOutliveARedraw();
};

void tst_openwindows::aWriteShowsInTheTutorsAndRoomsWindowsWithoutMovingThem() {
    TestFixture f;
    const School s = makeSchool(f);
    f.main();
    frmTableWindow* ann = windowOf(f, s.ttAnn);
    frmTableWindow* bob = windowOf(f, s.ttBob);
    frmTableWindow* room = windowOf(f, s.ttR1);
    QVERIFY(ann && bob && room);
    selectCells(ann->g(), 2, 1, 2, 2);

    frmTableWindow* w = writeAnnInto7A(f, s);
    QVERIFY(w);
    QCOMPARE(ann->g().TextMatrix(1, 1), QStringLiteral("7A\r\nMaths\r\nR1"));
    QCOMPARE(room->g().TextMatrix(1, 1), QStringLiteral("Ann\r\nMaths\r\n7A"));
    // The other windows keep their place and load none of their cells into the lists.
    QCOMPARE(placeOf(ann->g()), (QList<int>{2, 1, 2, 2}));
    QCOMPARE(f.main().activeTableWindow(), w);
    QCOMPARE(f.main().picLeftBar().selectedId(TreeBars::Rooms), s.r1);

    // Bob takes the lesson over: Ann's cell is empty again.
    clickItem(f.main().picLeftBar(), TreeBars::Tutors, "Bob");
    QCOMPARE(ann->g().TextMatrix(1, 1), QString());
    QCOMPARE(bob->g().TextMatrix(1, 1), QStringLiteral("7A\r\nMaths\r\nR1"));
    QCOMPARE(room->g().TextMatrix(1, 1), QStringLiteral("Bob\r\nMaths\r\n7A"));

    QVERIFY(f.trigger("mnuEditUndo"));
    QCOMPARE(ann->g().TextMatrix(1, 1), QStringLiteral("7A\r\nMaths\r\nR1"));
    QCOMPARE(bob->g().TextMatrix(1, 1), QString());

    QVERIFY(f.trigger("mnuEditCut"));
    QCOMPARE(ann->g().TextMatrix(1, 1), QString());
    QCOMPARE(room->g().TextMatrix(1, 1), QString());
    QVERIFY(f.trigger("mnuEditPaste"));
    QCOMPARE(room->g().TextMatrix(1, 1), QStringLiteral("Ann\r\nMaths\r\n7A"));
    QCOMPARE(placeOf(ann->g()), (QList<int>{2, 1, 2, 2}));
    QCOMPARE(f.main().picLeftBar().selectedId(TreeBars::Tutors), s.ann);
    QVERIFY(f.boxes.calls.isEmpty());
}

// Counts the statements `action` runs in a school with `others` more classes' timetables open
// besides 7A's, Ann's, Bob's and R1's, 7A's window active; -1 when the school did not open.
int statementsWithMoreWindows(int others,
                              const std::function<bool(TestFixture&, const School&)>& action) {
    TestFixture f;
    const School s = makeSchool(f);
    for (int i = 0; i < others; ++i) {
        const int classId = addName(f.db(), "Class", QStringLiteral("8%1").arg(i));
        addTimetable(f.db(), "Class", classId, {"Mon", "Tue"}, {{"09:00:00", 40}});
    }
    f.main();
    frmTableWindow* w = f.activateOpen(s.tt7A);
    if (!w || f.main().timetableWindows().size() != 4 + others)
        return -1;
    selectCells(w->g(), 1, 1);
    int statements = 0;
    f.db().setStatementObserver(
        [&statements](const QString&, const QVariantList&) { ++statements; });
    const bool done = action(f, s);
    f.db().setStatementObserver({});
    return done ? statements : -1;
}

// A click on Ann in 7A's Mon 9:00.
int statementsOfAClick(int others) {
    return statementsWithMoreWindows(others, [](TestFixture& f, const School& s) {
        expand(f.main().picLeftBar(), TreeBars::Tutors);
        clickItem(f.main().picLeftBar(), TreeBars::Tutors, "Ann");
        return windowOf(f, s.ttAnn)->g().TextMatrix(1, 1).startsWith("7A");
    });
}

// Manage opened and closed without a change.
int statementsOfALookInManage(int others) {
    return statementsWithMoreWindows(others, [](TestFixture& f, const School&) {
        WizardScript script(1);
        script.then([](QDialog& dialog) { press(dialog, "cmdCancel0"); });
        return f.trigger("mnuToolsManageTutors") && script.finished();
    });
}

void tst_openwindows::aClickCostsTheSameWithManyWindowsOpen() {
    const int few = statementsOfAClick(0);
    QVERIFY(few > 0);
    QCOMPARE(statementsOfAClick(30), few);
}

void tst_openwindows::closingManageWithoutAChangeRedrawsOnlyTheActiveWindow() {
    const int few = statementsOfALookInManage(0);
    QVERIFY(few > 0);
    QCOMPARE(statementsOfALookInManage(30), few);
}

void tst_openwindows::replaceLeavesNoStaleTextInOtherWindows() {
    TestFixture f;
    const School s = makeSchool(f);
    f.main();
    frmTableWindow* w = writeAnnInto7A(f, s);
    QVERIFY(w);
    frmTableWindow* ann = windowOf(f, s.ttAnn);
    frmTableWindow* bob = windowOf(f, s.ttBob);
    frmTableWindow* room = windowOf(f, s.ttR1);
    QCOMPARE(room->g().TextMatrix(1, 1), QStringLiteral("Ann\r\nMaths\r\n7A"));

    QVERIFY(f.trigger("mnuEditReplace"));
    frmReplace* replace = f.outputCommands().replace();
    QVERIFY(replace);
    const int tutors = replace->cboType().findText("Tutor");
    QVERIFY(tutors >= 0);
    replace->cboType().setCurrentIndex(tutors);
    emit replace->cboType().activated(tutors);
    choose(replace->lstFind(), "Ann");
    choose(replace->lstReplace(), "Bob");
    replace->cmdOK().click();

    QCOMPARE(w->g().TextMatrix(1, 1), QStringLiteral("Bob\r\nMaths\r\nR1"));
    QCOMPARE(room->g().TextMatrix(1, 1), QStringLiteral("Bob\r\nMaths\r\n7A"));
    QCOMPARE(ann->g().TextMatrix(1, 1), QString());
    QCOMPARE(bob->g().TextMatrix(1, 1), QStringLiteral("7A\r\nMaths\r\nR1"));
    QCOMPARE(bob->g().TextMatrix(2, 2), QStringLiteral("7A\r\nEnglish\r\nR2"));
}

void tst_openwindows::findFindsALessonEnteredInAnotherWindow() {
    TestFixture f;
    School s{addSmallSchool(f.db())};
    const QStringList days{"Mon", "Tue"};
    const QList<Period> periods{{"09:00:00", 40}, {"09:40:00", 40}};
    s.ttAnn = addTimetable(f.db(), "Tutor", s.ann, days, periods);
    s.tt7A = addTimetable(f.db(), "Class", s.c7A, days, periods);
    frmTableWindow* ann = f.activateOpen(s.ttAnn); // drawn while it holds nothing
    QVERIFY(ann);
    QVERIFY(writeAnnInto7A(f, s));

    QVERIFY(f.trigger("mnuEditFind"));
    frmFind* find = f.outputCommands().find();
    QVERIFY(find);
    find->txtFind().setText("7a"); // only Ann's timetable names the class
    find->cmdOK().click();

    QCOMPARE(f.main().activeTableWindow(), ann);
    QCOMPARE(QPoint(ann->g().Row(), ann->g().Col()), QPoint(1, 1));
    for (const QString& text : boxTexts(f))
        QVERIFY2(!text.startsWith("Cannot find text"), qPrintable(text));
}

void tst_openwindows::aDeleteInManageShowsInEveryOpenWindow() {
    TestFixture f;
    const School s = makeSchool(f);
    f.main();
    QVERIFY(writeAnnInto7A(f, s));
    frmTableWindow* room = windowOf(f, s.ttR1);
    frmTableWindow* bob = windowOf(f, s.ttBob);
    f.activateOpen(s.ttR1); // the deletion must show in 7A's window, which is not active

    WizardScript script(4);
    script.then([&](QDialog& dialog) {
        auto& manage = static_cast<frmManage&>(dialog);
        manage.SelectTab(NameLists::Subject);
        choose(manage.list(NameLists::Subject), "English");
        press(dialog, "cmdDeleteSubject");
        press(dialog, "cmdCancel0");
    });
    QVERIFY(f.trigger("mnuToolsManageSubjects"));
    QVERIFY(script.finished());

    frmTableWindow* w = windowOf(f, s.tt7A);
    QVERIFY(!w->g().TextMatrix(2, 2).contains("English"));
    QVERIFY(!bob->g().TextMatrix(2, 2).contains("English"));
    QCOMPARE(room->g().TextMatrix(1, 1), QStringLiteral("Ann\r\nMaths\r\n7A"));
}

void tst_openwindows::draggedSizesOutliveARedraw_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("dialogButton"); // pressed in the dialog the command shows
    QTest::newRow("undo") << "mnuEditUndo" << QString();
    QTest::newRow("lunch column") << "mnuFormatDefineLunchColumn" << QString();
    QTest::newRow("manage") << "mnuToolsManageTutors"
                            << "cmdCancel0";
    QTest::newRow("timetable format") << "mnuFormatFormat"
                                      << "cmdOK";
    QTest::newRow("style picker") << "mnuFormatStyle"
                                  << "cmdOK";
}

void tst_openwindows::draggedSizesOutliveARedraw() {
    QFETCH(QString, command);
    QFETCH(QString, dialogButton);
    TestFixture f;
    const School s = makeSchool(f);
    f.main();
    frmTableWindow* w = writeAnnInto7A(f, s);
    QVERIFY(w);
    FlexGrid& g = w->g();
    const int storedWidth = g.ColWidth(2);
    const int storedHeight = g.RowHeight(1);
    g.setColWidth(2, storedWidth + 600);
    g.setRowHeight(1, storedHeight + 300);

    WizardScript script(2);
    if (!dialogButton.isEmpty()) {
        script.then([&](QDialog& dialog) {
            if (auto* picker = qobject_cast<frmStylePicker*>(&dialog))
                picker->lstStyle().setCurrentRow(1);
            press(dialog, qPrintable(dialogButton));
        });
    }
    QVERIFY(f.trigger(command));
    QVERIFY(script.finished());
    QCOMPARE(script.unexpected, 0);
    QCOMPARE(g.ColWidth(2), storedWidth + 600);
    QCOMPARE(g.RowHeight(1), storedHeight + 300);
    QCOMPARE(g.ColWidth(1), storedWidth);

    // Stored once the user works in another window, not only when this one comes back.
    QVERIFY(f.activateOpen(s.ttAnn));
    QCOMPARE(scalar(f.db(), "SELECT Width FROM XTitle WHERE ID = ?", {g.ColData(2)}),
             storedWidth + 600);
    QCOMPARE(scalar(f.db(), "SELECT Height FROM YTitle WHERE ID = ?", {g.RowData(1)}),
             storedHeight + 300);
    QCOMPARE(scalar(f.db(), "SELECT Width FROM XTitle WHERE ID = ?", {g.ColData(1)}), storedWidth);
}

QTEST_MAIN(tst_openwindows)
#include "tst_openwindows.moc"
