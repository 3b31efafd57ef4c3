#include "LeftBarDriver.h"
#include "TestData.h"
#include "TestFixture.h"

#include "app/CellEditor.h"
#include "app/GridHelpers.h"
#include "app/ListHelpers.h"
#include "app/MainMenus.h"
#include "app/frmMain.h"
#include "app/frmTableWindow.h"
#include "platform/FlexGrid.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <QTreeWidget>

using namespace TestData;
using namespace LeftBarDriver;

namespace {

struct School : SmallSchool {
    int sanders = 0, smith = 0;
    int tt7A = 0, ttSanders = 0, ttR1 = 0;
};

// The small school with tutors Sanders and Smith too; a Mon/Tue by 9:00/9:40/10:20 timetable for
// 7A, Sanders, R1.
School makeSchool(TestFixture& f) {
    School s{addSmallSchool(f.db())};
    s.smith = addName(f.db(), "Tutor", "Smith");
    s.sanders = addName(f.db(), "Tutor", "Sanders");
    const QStringList days{"Mon", "Tue"};
    const QList<Period> periods{{"09:00:00"}, {"09:40:00"}, {"10:20:00"}};
    s.tt7A = addTimetable(f.db(), "Class", s.c7A, days, periods);
    s.ttSanders = addTimetable(f.db(), "Tutor", s.sanders, days, periods);
    s.ttR1 = addTimetable(f.db(), "Room", s.r1, days, periods);
    f.main();
    return s;
}

QStringList itemTexts(const QTreeWidget& tree) {
    QStringList texts;
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
        texts << tree.topLevelItem(i)->text(0);
    return texts;
}

// The items of a list that show the busy mark, in list order.
QStringList busyItems(const TreeBars& bars, int index) {
    QStringList busy;
    const QTreeWidget& tree = bars.treeBar(index);
    for (int i = 0; i < tree.topLevelItemCount(); ++i) {
        if (TreeBars::isBusy(tree.topLevelItem(i)))
            busy << tree.topLevelItem(i)->text(0);
    }
    return busy;
}

} // namespace

class tst_treebars : public QObject {
    Q_OBJECT

private slots:
    void listsAreSortedWithBlankFirst();
    void completionFollowsTyping();
    void lessThanEmptiesTheBox();
    void backspaceThenLeaveAddsTheShortenedName();
    void exactTextSelectsACaseVariantAdds();
    void clickingInAndOutWritesNothing();
    void echoOfAClickIsNotCompleted();
    void enterWalk_data();
    void enterWalk();
    void selectNextCellWraps();
    void cellHandlerLoadsTheLists();
    void busyAndFreeMarks();
    void busyMarksFollowTheCellFromPeriodToPeriod();
    void itemsAreFoundByIdAfterAddingAndRefilling();
    void typingOnTheGridStartsAName();
    void aNameTypedWithACapitalKeepsIt_data();
    void aNameTypedWithACapitalKeepsIt();
    void onlyAClickChangesTheSelection();
    void refillLoadsTheCellAgain();
    void readErrorsOfKeysAreShown();
    void gridPositionHelpers();
    void listHelpers();
};

void tst_treebars::listsAreSortedWithBlankFirst() {
    TestFixture f;
    addName(f.db(), "Tutor", "bob");
    addName(f.db(), "Tutor", "Ann");
    addName(f.db(), "Tutor", "Cy");
    TreeBars& bars = f.main().picLeftBar();
    QCOMPARE(itemTexts(bars.treeBar(TreeBars::Tutors)),
             (QStringList{"<Blank>", "Ann", "bob", "Cy"}));
    QCOMPARE(itemTexts(bars.treeBar(TreeBars::Rooms)), QStringList{"<Blank>"});
    QCOMPARE(bars.selectedId(TreeBars::Subjects), 1);
    QVERIFY(bars.treeBar(TreeBars::Subjects).currentItem());
    QVERIFY(bars.treeBar(TreeBars::Tutors).selectedItems().isEmpty());
    QCOMPARE(TreeBars::nodeId(bars.treeBar(TreeBars::Tutors).topLevelItem(3)), 4);
}

void tst_treebars::completionFollowsTyping() {
    TestFixture f;
    const School s = makeSchool(f);
    f.openTimetable(s.tt7A);
    TreeBars& bars = f.main().picLeftBar();
    NameBox& box = bars.nameBox(TreeBars::Tutors);
    type(bars, TreeBars::Tutors, "s");
    QCOMPARE(box.text(), QStringLiteral("Sanders"));
    QCOMPARE(box.selectedText(), QStringLiteral("anders"));
    type(bars, TreeBars::Tutors, "m");
    QCOMPARE(box.text(), QStringLiteral("Smith"));
    QCOMPARE(box.selectedText(), QStringLiteral("ith"));
}

void tst_treebars::lessThanEmptiesTheBox() {
    TestFixture f;
    const School s = makeSchool(f);
    f.openTimetable(s.tt7A);
    TreeBars& bars = f.main().picLeftBar();
    bars.nameBox(TreeBars::Tutors).clear();
    type(bars, TreeBars::Tutors, "<");
    QCOMPARE(bars.nameBox(TreeBars::Tutors).text(), QString());
}

void tst_treebars::backspaceThenLeaveAddsTheShortenedName() {
    TestFixture f;
    const School s = makeSchool(f);
    frmTableWindow* w = f.openTimetable(s.tt7A);
    TreeBars& bars = f.main().picLeftBar();
    type(bars, TreeBars::Tutors, "sm");
    key(bars, TreeBars::Tutors, Qt::Key_Backspace);
    QCOMPARE(bars.nameBox(TreeBars::Tutors).text(), QStringLiteral("Sm"));
    leaveTo(bars, TreeBars::Tutors, TreeBars::Subjects);
    QCOMPARE(scalar(f.db(), "SELECT COUNT(*) FROM Tutor WHERE Name = 'Sm'"), 1);
    QCOMPARE(itemTexts(bars.treeBar(TreeBars::Tutors)).last(), QStringLiteral("Sm"));
    QCOMPARE(bars.selectedName(TreeBars::Tutors), QStringLiteral("Sm"));
    QCOMPARE(w->g().TextMatrix(1, 1), QStringLiteral("Sm\r\n\r\n"));
}

void tst_treebars::exactTextSelectsACaseVariantAdds() {
    TestFixture f;
    const School s = makeSchool(f);
    f.openTimetable(s.tt7A);
    TreeBars& bars = f.main().picLeftBar();
    NameBox& box = bars.nameBox(TreeBars::Tutors);
    const int tutors = scalar(f.db(), "SELECT COUNT(*) FROM Tutor");
    box.setFocus(Qt::MouseFocusReason);
    box.setText("Smith");
    leaveTo(bars, TreeBars::Tutors, TreeBars::Subjects);
    QCOMPARE(bars.selectedId(TreeBars::Tutors), s.smith);
    QCOMPARE(scalar(f.db(), "SELECT COUNT(*) FROM Tutor"), tutors);
    QCOMPARE(scalar(f.db(), "SELECT TutorID FROM Slot"), s.smith);

    box.setFocus(Qt::MouseFocusReason);
    box.setText("SMITH");
    leaveTo(bars, TreeBars::Tutors, TreeBars::Subjects);
    QCOMPARE(scalar(f.db(), "SELECT COUNT(*) FROM Tutor"), tutors + 1);
    QCOMPARE(bars.selectedName(TreeBars::Tutors), QStringLiteral("SMITH"));

    // Emptying the box clears the tutor of the cell and the list's selection.
    box.setFocus(Qt::MouseFocusReason);
    box.clear();
    leaveTo(bars, TreeBars::Tutors, TreeBars::Subjects);
    QCOMPARE(scalar(f.db(), "SELECT TutorID FROM Slot"), 1);
    QCOMPARE(bars.selectedId(TreeBars::Tutors), 1);
}

void tst_treebars::clickingInAndOutWritesNothing() {
    TestFixture f;
    const School s = makeSchool(f);
    f.openTimetable(s.tt7A);
    TreeBars& bars = f.main().picLeftBar();
    for (int index : {TreeBars::Tutors, TreeBars::Subjects, TreeBars::Rooms}) {
        bars.nameBox(index).setFocus(Qt::MouseFocusReason);
        leaveTo(bars, index, index == TreeBars::Rooms ? TreeBars::Tutors : index + 1);
    }
    QCOMPARE(slotCount(f.db()), 0);
    clickItem(bars, TreeBars::Tutors, "Smith");
    bars.nameBox(TreeBars::Tutors).setFocus(Qt::MouseFocusReason);
    leaveTo(bars, TreeBars::Tutors, TreeBars::Subjects);
    QCOMPARE(slotCount(f.db()), 1);
    QCOMPARE(scalar(f.db(), "SELECT TutorID FROM Slot"), s.smith);
}

void tst_treebars::echoOfAClickIsNotCompleted() {
    TestFixture f;
    addName(f.db(), "Tutor", "Smithson");
    const int c = addName(f.db(), "Class", "7A");
    const int tt = addTimetable(f.db(), "Class", c, {"Mon"}, {{"09:00:00"}});
    frmTableWindow* w = f.openTimetable(tt);
    TreeBars& bars = f.main().picLeftBar();
    bars.nameBox(TreeBars::Tutors).setFocus(Qt::MouseFocusReason);
    bars.nameBox(TreeBars::Tutors).setText("Smith");
    leaveTo(bars, TreeBars::Tutors, TreeBars::Subjects); // appended after Smithson
    QCOMPARE(itemTexts(bars.treeBar(TreeBars::Tutors)),
             (QStringList{"<Blank>", "Smithson", "Smith"}));
    clickItem(bars, TreeBars::Tutors, "Smith");
    QCOMPARE(bars.nameBox(TreeBars::Tutors).text(), QStringLiteral("Smith"));
    bars.nameBox(TreeBars::Tutors).setFocus(Qt::MouseFocusReason);
    leaveTo(bars, TreeBars::Tutors, TreeBars::Subjects);
    QCOMPARE(w->g().TextMatrix(1, 1), QStringLiteral("Smith\r\n\r\n"));
}

void tst_treebars::enterWalk_data() {
    QTest::addColumn<QString>("viewBy");
    QTest::addColumn<QList<int>>("walk"); // boxes in Enter order; the last one finishes
    QTest::addColumn<int>("ownBox");
    QTest::newRow("class") << "Class"
                           << QList<int>{TreeBars::Tutors, TreeBars::Subjects, TreeBars::Rooms}
                           << int(TreeBars::Classes);
    QTest::newRow("tutor") << "Tutor"
                           << QList<int>{TreeBars::Subjects, TreeBars::Rooms, TreeBars::Classes}
                           << int(TreeBars::Tutors);
    QTest::newRow("room") << "Room"
                          << QList<int>{TreeBars::Tutors, TreeBars::Subjects, TreeBars::Classes}
                          << int(TreeBars::Rooms);
}

void tst_treebars::enterWalk() {
    QFETCH(QString, viewBy);
    QFETCH(QList<int>, walk);
    QFETCH(int, ownBox);
    TestFixture f;
    const School s = makeSchool(f);
    const int tt = viewBy == "Class" ? s.tt7A : viewBy == "Tutor" ? s.ttSanders : s.ttR1;
    frmTableWindow* w = f.openTimetable(tt);
    TreeBars& bars = f.main().picLeftBar();

    key(bars, ownBox, Qt::Key_Return); // the timetable's own kind: nothing
    QCOMPARE(w->g().Col(), 1);

    const QStringList names{viewBy == "Tutor" ? "Maths" : "Smith",
                            viewBy == "Tutor" ? "R1" : "Maths", viewBy == "Class" ? "R1" : "7B"};
    for (int step = 0; step < walk.size(); ++step) {
        NameBox& box = bars.nameBox(walk[step]);
        box.setFocus(Qt::TabFocusReason);
        box.setText(names[step]);
        key(bars, walk[step], Qt::Key_Return);
        if (step + 1 < walk.size())
            QVERIFY(bars.nameBox(walk[step + 1]).hasFocus());
    }
    QCOMPARE(w->g().Col(), 2);
    QVERIFY(bars.nameBox(walk.first()).hasFocus());
    QCOMPARE(slotCount(f.db()), 1);
    QCOMPARE(scalar(f.db(),
                    "SELECT COUNT(*) FROM Slot WHERE StartTime = '09:00:00' AND DOW = 'Mon' AND "
                    "SubjectID = ? AND (RoomID = ? OR ClassID = ?)",
                    {s.maths, s.r1, s.c7B}),
             1);
}

void tst_treebars::selectNextCellWraps() {
    TestFixture f;
    const School s = makeSchool(f);
    frmTableWindow* w = f.openTimetable(s.tt7A);
    FlexGrid& g = w->g();
    g.setCol(3);
    f.main().cellEditor().SelectNextCell(*w);
    QCOMPARE(g.Row(), 2);
    QCOMPARE(g.Col(), 1);
    g.setCol(3);
    f.main().cellEditor().SelectNextCell(*w);
    QCOMPARE(g.Row(), 1);
    QCOMPARE(g.Col(), 1);
    QVERIFY(g.Redraw());
}

void tst_treebars::cellHandlerLoadsTheLists() {
    TestFixture f;
    const School s = makeSchool(f);
    addSlot(f.db(), {"09:40:00", "Mon", s.c7A, 1, 1, 1, 1}); // an empty period of 7A
    addSlot(f.db(), {"10:20:00", "Mon", s.c7A, 1, 1, 1, 3}); // lunch
    addSlot(f.db(), {"09:00:00", "Tue", s.c7A, s.smith, s.r1, s.maths, 1});
    frmTableWindow* w = f.openTimetable(s.tt7A);
    TreeBars& bars = f.main().picLeftBar();
    const auto selected = [&bars] {
        return QList<int>{bars.selectedId(0), bars.selectedId(1), bars.selectedId(2),
                          bars.selectedId(3)};
    };
    QCOMPARE(selected(), (QList<int>{1, 1, 1, 1})); // no row
    w->g().setCol(2);
    QCOMPARE(selected(), (QList<int>{1, 1, 1, s.c7A}));
    w->g().setCol(3);
    QCOMPARE(selected(), (QList<int>{1, 1, 1, s.c7A}));
    QCOMPARE(f.state.CurrentSpecialID, 1);
    w->g().setRow(2);
    w->g().setCol(1);
    QCOMPARE(selected(), (QList<int>{s.smith, s.maths, s.r1, s.c7A}));
    QCOMPARE(bars.nameBox(TreeBars::Tutors).text(), QStringLiteral("Smith"));
    QCOMPARE(slotCount(f.db()), 3); // loading a cell writes nothing
}

void tst_treebars::busyAndFreeMarks() {
    TestFixture f;
    const School s = makeSchool(f);
    addSlot(f.db(), {"09:00:00", "Mon", s.c7B, s.sanders, 1, 1, 1});    // Sanders teaches 7B
    addSlot(f.db(), {"09:00:00", "Mon", s.c7A, s.smith, s.r1, 1, 1});   // 7A's own lesson
    addSlot(f.db(), {"09:00:00", "Mon", 1, 1, 1, 1, 2});                // placeholders
    addSlot(f.db(), {"09:00:00", "Wk 1 Mon", s.c7B, s.smith, 1, 1, 1}); // another day
    f.openTimetable(s.tt7A);
    TreeBars& bars = f.main().picLeftBar();
    const auto busy = [&bars](int index, const QString& name) {
        return TreeBars::isBusy(bars.FindTreeNodeByText(index, name));
    };
    QVERIFY(busy(TreeBars::Tutors, "Sanders"));
    QVERIFY(!busy(TreeBars::Tutors, "Smith"));
    QVERIFY(!busy(TreeBars::Tutors, "<Blank>"));
    QVERIFY(busy(TreeBars::Classes, "7B"));
    QVERIFY(!busy(TreeBars::Rooms, "R1"));

    // Smith made unavailable in his own timetable at that time: busy even in his own cell.
    addSlot(f.db(), {"09:00:00", "Mon", 1, s.smith, 1, 1, 2});
    frmTableWindow* w = f.openTimetable(s.tt7A);
    w->ClickMyGrid();
    QVERIFY(busy(TreeBars::Tutors, "Smith"));
    // An empty cell: everyone in use at that time is busy.
    w->g().setRow(2);
    QVERIFY(!busy(TreeBars::Tutors, "Sanders"));
}

// Each period shows its own marks only: the marks of the period before are taken off, in all
// three lists, also on items added while the program runs.
void tst_treebars::busyMarksFollowTheCellFromPeriodToPeriod() {
    TestFixture f;
    const School s = makeSchool(f);
    addSlot(f.db(), {"09:00:00", "Mon", s.c7B, s.sanders, s.r2, s.maths, 1});
    addSlot(f.db(), {"09:40:00", "Mon", s.c7B, s.smith, s.r1, s.maths, 1});
    addSlot(f.db(), {"09:40:00", "Mon", 1, s.bob, 1, 1, 2}); // Bob unavailable then
    frmTableWindow* w = f.openTimetable(s.tt7A);
    TreeBars& bars = f.main().picLeftBar();
    const auto marks = [&bars] {
        return QList<QStringList>{busyItems(bars, TreeBars::Tutors),
                                  busyItems(bars, TreeBars::Rooms),
                                  busyItems(bars, TreeBars::Classes)};
    };
    using Marks = QList<QStringList>;
    QCOMPARE(marks(), (Marks{{"Sanders"}, {"R2"}, {"7B"}}));
    w->g().setCol(2); // Mon 9:40
    QCOMPARE(marks(), (Marks{{"Bob", "Smith"}, {"R1"}, {"7B"}}));
    w->g().setRow(2); // Tue 9:40: nobody
    QCOMPARE(marks(), (Marks{{}, {}, {}}));

    // A tutor typed in while the program runs is at the end of the list.
    NameBox& box = bars.nameBox(TreeBars::Tutors);
    box.setFocus(Qt::MouseFocusReason);
    box.setText("Young");
    leaveTo(bars, TreeBars::Tutors, TreeBars::Subjects);
    QCOMPARE(itemTexts(bars.treeBar(TreeBars::Tutors)).constLast(), QStringLiteral("Young"));
    const int young = scalar(f.db(), "SELECT ID FROM Tutor WHERE Name = 'Young'");
    addSlot(f.db(), {"09:00:00", "Mon", 1, young, 1, 1, 2});
    w->g().setRow(1);
    w->g().setCol(1); // Mon 9:00
    QCOMPARE(marks(), (Marks{{"Sanders", "Young"}, {"R2"}, {"7B"}}));
    w->g().setCol(2);
    QCOMPARE(marks(), (Marks{{"Bob", "Smith"}, {"R1"}, {"7B"}}));

    // An item added for an id that is busy is free until the next marks, which mark it too.
    bars.AddTreeBarItem(TreeBars::Tutors, "Smith again", s.smith);
    QCOMPARE(marks()[0], (QStringList{"Bob", "Smith"}));
    w->ClickMyGrid();
    QCOMPARE(marks()[0], (QStringList{"Bob", "Smith", "Smith again"}));
    w->g().setCol(1);
    QCOMPARE(marks()[0], (QStringList{"Sanders", "Young"}));
}

// A click, a cell and Replace find list items by id: the first item with it, also one added
// while the program runs, and after a refill only the items the lists hold again.
void tst_treebars::itemsAreFoundByIdAfterAddingAndRefilling() {
    TestFixture f;
    const School s = makeSchool(f);
    f.openTimetable(s.tt7A);
    TreeBars& bars = f.main().picLeftBar();
    const int young = addName(f.db(), "Tutor", "Young");
    QTreeWidgetItem* added = bars.AddTreeBarItem(TreeBars::Tutors, "Young", young);
    bars.AddTreeBarItem(TreeBars::Tutors, "Young again", young);
    bars.SelectTreeBarNodeById(TreeBars::Tutors, young);
    QCOMPARE(bars.treeBar(TreeBars::Tutors).currentItem(), added);
    QCOMPARE(classSlotText(f.db(), "09:00:00", "Mon", s.c7A),
             QStringLiteral("%1,%2,1,1,1").arg(s.c7A).arg(young));

    QVERIFY(f.db().run("DELETE FROM Tutor WHERE ID = ?", {s.smith}));
    QVERIFY(bars.PopulateTreeBars());
    bars.SelectTreeBarNodeById(TreeBars::Tutors, s.sanders);
    QCOMPARE(bars.selectedName(TreeBars::Tutors), QStringLiteral("Sanders"));
    bars.SelectTreeBarNodeById(TreeBars::Tutors, s.smith); // gone: the selection stays
    QCOMPARE(bars.selectedName(TreeBars::Tutors), QStringLiteral("Sanders"));
    bars.SelectTreeBarNodeById(TreeBars::Tutors, young);
    QCOMPARE(bars.treeBar(TreeBars::Tutors).currentItem()->text(0), QStringLiteral("Young"));
}

void tst_treebars::typingOnTheGridStartsAName() {
    TestFixture f;
    const School s = makeSchool(f);
    frmTableWindow* w = f.openTimetable(s.tt7A);
    TreeBars& bars = f.main().picLeftBar();
    w->g().setFocus(Qt::MouseFocusReason);
    QTest::keyClick(&w->g(), Qt::Key_Q);
    QVERIFY(bars.nameBox(TreeBars::Tutors).hasFocus());
    QCOMPARE(bars.nameBox(TreeBars::Tutors).text(), QStringLiteral("Q"));

    // Ctrl or Alt with a letter only moves the focus.
    frmTableWindow* tutor = f.openTimetable(s.ttSanders);
    for (const Qt::KeyboardModifier modifier : {Qt::ControlModifier, Qt::AltModifier}) {
        tutor->g().setFocus(Qt::MouseFocusReason);
        bars.nameBox(TreeBars::Subjects).clear();
        QTest::keyClick(&tutor->g(), Qt::Key_Q, modifier);
        QVERIFY(bars.nameBox(TreeBars::Subjects).hasFocus());
        QCOMPARE(bars.nameBox(TreeBars::Subjects).text(), QString());
    }
}

void tst_treebars::aNameTypedWithACapitalKeepsIt_data() {
    QTest::addColumn<bool>("classGrid"); // else Sanders's grid, which starts at the subject
    QTest::addColumn<QString>("name");
    QTest::newRow("tutor on a class grid") << true << "Mr Green";
    QTest::newRow("subject on a tutor grid") << false << "French";
}

// Typed on the grid as a user types it, Shift for each capital: the first key goes to the grid,
// which hands the focus to the name box; the others go to the box.
void tst_treebars::aNameTypedWithACapitalKeepsIt() {
    QFETCH(bool, classGrid);
    QFETCH(QString, name);
    TestFixture f;
    const School s = makeSchool(f);
    frmTableWindow* w = f.openTimetable(classGrid ? s.tt7A : s.ttSanders);
    TreeBars& bars = f.main().picLeftBar();
    const int box = classGrid ? TreeBars::Tutors : TreeBars::Subjects;
    w->g().setFocus(Qt::MouseFocusReason);
    for (const QChar c : name) {
        const auto key = Qt::Key(c.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), key, QString(c),
                            c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier);
    }
    QVERIFY(bars.nameBox(box).hasFocus());
    QCOMPARE(bars.nameBox(box).text(), name);

    leaveTo(bars, box, TreeBars::Rooms);
    const int added =
        scalar(f.db(),
               QStringLiteral("SELECT ID FROM %1 WHERE Name = ?")
                   .arg(classGrid ? QStringLiteral("Tutor") : QStringLiteral("Subject")),
               {name});
    QVERIFY(added > 1);
    QCOMPARE(slotCount(f.db()), 1);
    const QString owner = classGrid ? QStringLiteral("ClassID") : QStringLiteral("TutorID");
    const QString column = classGrid ? QStringLiteral("TutorID") : QStringLiteral("SubjectID");
    QCOMPARE(scalar(f.db(),
                    QStringLiteral("SELECT %1 FROM Slot WHERE StartTime = '09:00:00' AND DOW = "
                                   "'Mon' AND %2 = ?")
                        .arg(column, owner),
                    {classGrid ? s.c7A : s.sanders}),
             added);
}

void tst_treebars::onlyAClickChangesTheSelection() {
    TestFixture f;
    const School s = makeSchool(f);
    f.openTimetable(s.tt7A);
    TreeBars& bars = f.main().picLeftBar();
    clickItem(bars, TreeBars::Tutors, "Smith");
    QTreeWidget& tutors = bars.treeBar(TreeBars::Tutors);
    QTreeWidgetItem* sanders = bars.FindTreeNodeByText(TreeBars::Tutors, "Sanders");
    const QPoint onSanders = tutors.visualItemRect(sanders).center();

    QTest::mouseClick(tutors.viewport(), Qt::RightButton, {}, onSanders);
    QVERIFY(f.main().menus().mnuLeftMenuRightClick().isVisible());
    f.main().menus().mnuLeftMenuRightClick().close();
    QCOMPARE(bars.selectedId(TreeBars::Tutors), s.smith);
    // Pressed on Sanders, released elsewhere: no click.
    QTest::mousePress(tutors.viewport(), Qt::LeftButton, {}, onSanders);
    QTest::mouseRelease(tutors.viewport(), Qt::LeftButton, {},
                        QPoint(2, tutors.viewport()->height() - 2));
    QCOMPARE(bars.selectedId(TreeBars::Tutors), s.smith);
    tutors.setFocus(Qt::TabFocusReason);
    for (Qt::Key key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_End, Qt::Key_Home, Qt::Key_S})
        QTest::keyClick(&tutors, key);
    QCOMPARE(bars.selectedId(TreeBars::Tutors), s.smith);
    QCOMPARE(bars.nameBox(TreeBars::Tutors).text(), QStringLiteral("Smith"));

    clickItem(bars, TreeBars::Rooms, "R1");
    QCOMPARE(classSlotText(f.db(), "09:00:00", "Mon", s.c7A),
             QStringLiteral("%1,%2,%3,1,1").arg(s.c7A).arg(s.smith).arg(s.r1));
    QVERIFY(f.boxes.calls.isEmpty());
}

void tst_treebars::refillLoadsTheCellAgain() {
    TestFixture f;
    const School s = makeSchool(f);
    f.openTimetable(s.tt7A);
    TreeBars& bars = f.main().picLeftBar();
    clickItem(bars, TreeBars::Tutors, "Smith");
    clickItem(bars, TreeBars::Subjects, "Maths");
    QVERIFY(bars.PopulateTreeBars());
    QCOMPARE(bars.selectedId(TreeBars::Tutors), s.smith);
    QCOMPARE(bars.selectedId(TreeBars::Subjects), s.maths);
    clickItem(bars, TreeBars::Rooms, "R1");
    QCOMPARE(classSlotText(f.db(), "09:00:00", "Mon", s.c7A),
             QStringLiteral("%1,%2,%3,%4,1").arg(s.c7A).arg(s.smith).arg(s.r1).arg(s.maths));
}

void tst_treebars::readErrorsOfKeysAreShown() {
    TestFixture f;
    const School s = makeSchool(f);
    frmTableWindow* w = f.openTimetable(s.tt7A);
    TreeBars& bars = f.main().picLeftBar();
    QVERIFY(f.db().run("ALTER TABLE TimeTableView RENAME TO Away"));
    bars.nameBox(TreeBars::Tutors).setFocus(Qt::MouseFocusReason);
    f.boxes.calls.clear();
    key(bars, TreeBars::Tutors, Qt::Key_Return);
    QCOMPARE(f.boxes.calls.size(), 1);
    QCOMPARE(f.boxes.last().icon, int(vb::vbCritical));
    QVERIFY2(f.boxes.last().text.contains("TimeTableView"), qPrintable(f.boxes.last().text));

    f.boxes.calls.clear();
    w->g().setFocus(Qt::MouseFocusReason);
    QTest::keyClick(&w->g(), Qt::Key_Q);
    QVERIFY(!f.boxes.calls.isEmpty());
    QVERIFY2(f.boxes.last().text.contains("TimeTableView"), qPrintable(f.boxes.last().text));
}

void tst_treebars::gridPositionHelpers() {
    FlexGrid g;
    g.setCols(4);
    g.setRows(3);
    g.setColWidth(0, 1000);
    g.setColWidth(1, 500);
    g.setRowHeight(0, 300);
    QCOMPARE(GetGridColAtX(g, 999), 0);
    QCOMPARE(GetGridColAtX(g, 1000), 1);
    QCOMPARE(GetGridColAtX(g, 1499), 1);
    QCOMPARE(GetGridColAtX(g, 1500), 2);
    QCOMPARE(GetGridColAtX(g, 1000 + 500 + 2 * g.ColWidth(2)), -1);
    QCOMPARE(GetGridRowAtY(g, 299), 0);
    QCOMPARE(GetGridRowAtY(g, 300), 1);
    QCOMPARE(GetGridRowAtY(g, 300 + 2 * g.RowHeight(1)), -1);
}

void tst_treebars::listHelpers() {
    QComboBox combo;
    combo.addItem("Alpha", 4);
    combo.addItem("alpha", 9);
    combo.addItem("Beta", 9);
    QCOMPARE(GetItemDataByText(combo, "alpha"), 9);
    QCOMPARE(GetItemDataByText(combo, "gamma"), -1);
    SelectListByItemData(combo, 9);
    QCOMPARE(combo.currentIndex(), 1);
    SelectComboByText(combo, "Beta");
    QCOMPARE(combo.currentIndex(), 2);
    SelectComboByText(combo, "none");
    QCOMPARE(combo.currentIndex(), 2);
    QCOMPARE(GetListTextByItemData(combo, 4), QStringLiteral("Alpha"));
    QCOMPARE(GetListTextByItemData(combo, 5), QString());

    QListWidget list;
    list.setSelectionMode(QAbstractItemView::MultiSelection);
    for (auto [text, id] : {std::pair{"Maths", 2}, std::pair{"Art", 3}, std::pair{"PE", 3}}) {
        auto* item = new QListWidgetItem(QString::fromLatin1(text), &list);
        item->setData(Qt::UserRole, id);
    }
    MarkListItemByItemData(list, 2);
    MarkListItemByItemData(list, 3);
    QCOMPARE(list.selectedItems().size(), 2);
    QVERIFY(!list.item(2)->isSelected());
    QCOMPARE(GetItemDataByText(QListWidget(), "x"), -1);
}

QTEST_MAIN(tst_treebars)
#include "tst_treebars.moc"
