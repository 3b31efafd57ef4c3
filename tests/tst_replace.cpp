#include "TestData.h"
#include "TestFixture.h"

#include "app/MainMenus.h"
#include "app/TreeBars.h"
#include "app/frmMain.h"
#include "app/frmTableWindow.h"
#include "output/OutputCommands.h"
#include "output/frmReplace.h"
#include "platform/FlexGrid.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace TestData;

namespace {

struct School : SmallSchool {
    int classTimetable = 0, annTimetable = 0, roomTimetable = 0;
};

// 7A's timetable, Mon, Tue, Wed by 9:00, 10:00, 11:00:
//   (1,1) Ann Maths R1   (1,2) Bob English R2   (1,3) Ann Maths R2
//   (2,1) unavailable, its row holding Ann and Maths all the same
//   (3,2) Ann Maths R1
// and 7B with Bob teaching Maths in R2 on Mon 9:00. Ann and R1 have timetables too.
School makeSchool(TestFixture& f) {
    School s{addSmallSchool(f.db())};
    const QStringList days{"Mon", "Tue", "Wed"};
    const QList<Period> periods{{"09:00:00"}, {"10:00:00"}, {"11:00:00"}};
    s.classTimetable = addTimetable(f.db(), "Class", s.c7A, days, periods);
    s.annTimetable = addTimetable(f.db(), "Tutor", s.ann, days, periods);
    s.roomTimetable = addTimetable(f.db(), "Room", s.r1, days, periods);
    addSlot(f.db(), {"09:00:00", "Mon", s.c7A, s.ann, s.r1, s.maths});
    addSlot(f.db(), {"10:00:00", "Mon", s.c7A, s.bob, s.r2, s.english});
    addSlot(f.db(), {"11:00:00", "Mon", s.c7A, s.ann, s.r2, s.maths});
    addSlot(f.db(), {"09:00:00", "Tue", s.c7A, s.ann, 1, s.maths, 2});
    addSlot(f.db(), {"10:00:00", "Wed", s.c7A, s.ann, s.r1, s.maths});
    addSlot(f.db(), {"09:00:00", "Mon", s.c7B, s.bob, s.r2, s.maths});
    return s;
}

frmReplace& openReplace(TestFixture& f) {
    if (!f.trigger("mnuEditReplace"))
        qFatal("Edit > Replace is not available");
    frmReplace* dialog = f.outputCommands().replace();
    if (!dialog)
        qFatal("Edit > Replace showed no dialog");
    return *dialog;
}

QStringList itemsOf(const QComboBox& box) {
    QStringList items;
    for (int i = 0; i < box.count(); ++i)
        items << box.itemText(i);
    return items;
}

QStringList itemsOf(const QListWidget& list) {
    QStringList items;
    for (int i = 0; i < list.count(); ++i)
        items << list.item(i)->text();
    return items;
}

void choose(QListWidget& list, const QString& name) {
    const QList<QListWidgetItem*> found = list.findItems(name, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(name));
    list.setCurrentItem(found.first());
}

// Picks the kind as the user does.
void chooseKind(frmReplace& dialog, const QString& kind) {
    const int index = dialog.cboType().findText(kind);
    QVERIFY2(index >= 0, qPrintable(kind));
    dialog.cboType().setCurrentIndex(index);
    emit dialog.cboType().activated(index);
}

void chooseReplace(frmReplace& dialog, const QString& kind, const QString& find,
                   const QString& replace) {
    chooseKind(dialog, kind);
    choose(dialog.lstFind(), find);
    choose(dialog.lstReplace(), replace);
}

// "class,tutor,room,subject,special" of 7A's row at each of the six cells that have one, and 7B's.
QString allRows(const TestFixture& f, const School& s) {
    const DBConnection& db = const_cast<TestFixture&>(f).db();
    return QStringList{
        classSlotText(db, "09:00:00", "Mon", s.c7A), classSlotText(db, "10:00:00", "Mon", s.c7A),
        classSlotText(db, "11:00:00", "Mon", s.c7A), classSlotText(db, "09:00:00", "Tue", s.c7A),
        classSlotText(db, "10:00:00", "Wed", s.c7A), classSlotText(db, "09:00:00", "Mon", s.c7B)}
        .join('|');
}

QString row(int classId, int tutor, int room, int subject, int special = 1) {
    return QStringLiteral("%1,%2,%3,%4,%5")
        .arg(classId)
        .arg(tutor)
        .arg(room)
        .arg(subject)
        .arg(special);
}

} // namespace

class tst_replace : public QObject {
    Q_OBJECT

private slots:
    void kindsAndListsFollowTheViewKind_data();
    void kindsAndListsFollowTheViewKind();
    void subjectReplaceChangesOnlyTheMatchingSubjects();
    void tutorReplaceWithOneClashGoesOn();
    void nothingHappensWithoutAReplacement_data();
    void nothingHappensWithoutAReplacement();
    void failedWriteLeavesNothingAndOneBox();
    void missingDayWritesNothing();
    void editReplaceShowsTheOpenDialog();
};

void tst_replace::kindsAndListsFollowTheViewKind_data() {
    QTest::addColumn<QString>("viewBy");
    QTest::addColumn<QStringList>("kinds");
    QTest::addColumn<QStringList>("firstList");
    QTest::newRow("class") << "Class" << QStringList{"Tutor", "Room", "Subject"}
                           << QStringList{"Ann", "Bob"};
    QTest::newRow("tutor") << "Tutor" << QStringList{"Room", "Class", "Subject"}
                           << QStringList{"R1", "R2"};
    QTest::newRow("room") << "Room" << QStringList{"Tutor", "Class", "Subject"}
                          << QStringList{"Ann", "Bob"};
}

void tst_replace::kindsAndListsFollowTheViewKind() {
    QFETCH(QString, viewBy);
    QFETCH(QStringList, kinds);
    QFETCH(QStringList, firstList);
    TestFixture f;
    const School s = makeSchool(f);
    const int timetable = viewBy == "Class"   ? s.classTimetable
                          : viewBy == "Tutor" ? s.annTimetable
                                              : s.roomTimetable;
    QVERIFY(f.activateOpen(timetable));
    frmReplace& dialog = openReplace(f);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Find and Replace"));
    QCOMPARE(itemsOf(dialog.cboType()), kinds);
    QCOMPARE(dialog.cboType().currentIndex(), 0);
    QCOMPARE(itemsOf(dialog.lstFind()), firstList); // no "<Blank>" row
    QCOMPARE(itemsOf(dialog.lstReplace()), firstList);
    QVERIFY(dialog.lstFind().selectedItems().isEmpty());

    // Names sort without case, whatever order they were added in.
    addName(f.db(), "Subject", "art");
    chooseKind(dialog, "Subject");
    QCOMPARE(itemsOf(dialog.lstFind()), (QStringList{"art", "English", "Maths"}));
    QCOMPARE(itemsOf(dialog.lstReplace()), (QStringList{"art", "English", "Maths"}));
}

void tst_replace::subjectReplaceChangesOnlyTheMatchingSubjects() {
    TestFixture f;
    const School s = makeSchool(f);
    frmTableWindow* w = f.activateOpen(s.classTimetable);
    QVERIFY(w);
    FlexGrid& g = w->g();
    selectCells(g, 1, 2, 3, 3);
    frmReplace& dialog = openReplace(f);
    chooseReplace(dialog, "Subject", "Maths", "English");
    dialog.cmdOK().click();

    QVERIFY(f.boxes.calls.isEmpty());
    QCOMPARE(allRows(f, s),
             QStringList({row(s.c7A, s.ann, s.r1, s.english), row(s.c7A, s.bob, s.r2, s.english),
                          row(s.c7A, s.ann, s.r2, s.english), row(s.c7A, s.ann, 1, s.maths, 2),
                          row(s.c7A, s.ann, s.r1, s.english), row(s.c7B, s.bob, s.r2, s.maths)})
                 .join('|'));
    QCOMPARE(g.TextMatrix(1, 1), QStringLiteral("Ann\r\nEnglish\r\nR1"));
    QCOMPARE(g.TextMatrix(3, 2), QStringLiteral("Ann\r\nEnglish\r\nR1"));
    QVERIFY(!dialog.isVisible());

    // The user's cell and block are back, the lists show that cell, and the grid is live again.
    QCOMPARE((QList<int>{g.Row(), g.Col(), g.RowSel(), g.ColSel()}), (QList<int>{1, 2, 3, 3}));
    QCOMPARE(f.main().picLeftBar().selectedId(TreeBars::Tutors), s.bob);
    QCOMPARE(f.main().picLeftBar().selectedId(TreeBars::Rooms), s.r2);
    QVERIFY(f.state.GridEventsEnabled);
    QVERIFY(g.Redraw());
    QCOMPARE(f.db().transactionDepth(), 0);
    selectCells(g, 1, 1);
    QCOMPARE(f.main().picLeftBar().selectedId(TreeBars::Rooms), s.r1);

    // Undo takes back the last cell written only.
    QVERIFY(f.trigger("mnuEditUndo"));
    QCOMPARE(classSlotText(f.db(), "10:00:00", "Wed", s.c7A), row(s.c7A, s.ann, s.r1, s.maths));
    QCOMPARE(classSlotText(f.db(), "09:00:00", "Mon", s.c7A), row(s.c7A, s.ann, s.r1, s.english));
}

void tst_replace::tutorReplaceWithOneClashGoesOn() {
    TestFixture f;
    const School s = makeSchool(f);
    frmTableWindow* w = f.activateOpen(s.classTimetable);
    QVERIFY(w);
    frmReplace& dialog = openReplace(f);
    chooseReplace(dialog, "Tutor", "Ann", "Bob");
    dialog.cmdOK().click();

    // Bob teaches 7B on Mon 9:00: that cell keeps Ann, the later ones change.
    QCOMPARE(f.boxes.calls.size(), 1);
    QCOMPARE(f.boxes.last().icon, int(vb::vbCritical));
    QCOMPARE(allRows(f, s),
             QStringList({row(s.c7A, s.ann, s.r1, s.maths), row(s.c7A, s.bob, s.r2, s.english),
                          row(s.c7A, s.bob, s.r2, s.maths), row(s.c7A, s.ann, 1, s.maths, 2),
                          row(s.c7A, s.bob, s.r1, s.maths), row(s.c7B, s.bob, s.r2, s.maths)})
                 .join('|'));
    QCOMPARE(w->g().TextMatrix(1, 1), QStringLiteral("Ann\r\nMaths\r\nR1"));
    QCOMPARE(w->g().TextMatrix(1, 3), QStringLiteral("Bob\r\nMaths\r\nR2"));
    QVERIFY(!dialog.isVisible());
}

void tst_replace::nothingHappensWithoutAReplacement_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("find"); // "" leaves the list without a selection
    QTest::addColumn<QString>("replace");
    QTest::addColumn<QString>("change"); // what happens before the click
    QTest::newRow("nothing to find") << "Subject"
                                     << ""
                                     << "English"
                                     << "";
    QTest::newRow("nothing to put") << "Subject"
                                    << "Maths"
                                    << ""
                                    << "";
    QTest::newRow("the same item") << "Subject"
                                   << "Maths"
                                   << "Maths"
                                   << "";
    QTest::newRow("the window's own kind") << "Class"
                                           << "7A"
                                           << "7B"
                                           << "class window";
    QTest::newRow("a kind of timetable unknown") << "Subject"
                                                 << "Maths"
                                                 << "English"
                                                 << "unknown kind";
}

void tst_replace::nothingHappensWithoutAReplacement() {
    QFETCH(QString, kind);
    QFETCH(QString, find);
    QFETCH(QString, replace);
    QFETCH(QString, change);
    TestFixture f;
    const School s = makeSchool(f);
    // Ann's window offers classes; 7A's window is a class's own.
    QVERIFY(f.activateOpen(s.classTimetable));
    QVERIFY(f.activateOpen(s.annTimetable));
    frmReplace& dialog = openReplace(f);
    chooseKind(dialog, kind);
    if (!find.isEmpty())
        choose(dialog.lstFind(), find);
    if (!replace.isEmpty())
        choose(dialog.lstReplace(), replace);
    if (change == "class window")
        QVERIFY(f.activateOpen(s.classTimetable));
    if (change == "unknown kind")
        QVERIFY(
            f.db().run("UPDATE TimeTableView SET ViewBy = 'tutor' WHERE ID = ?", {s.annTimetable}));
    const QString before = allRows(f, s);
    const int slotsBefore = slotCount(f.db());

    dialog.cmdOK().click();
    QCOMPARE(allRows(f, s), before);
    QCOMPARE(slotCount(f.db()), slotsBefore);
    QVERIFY(f.boxes.calls.isEmpty());
    QVERIFY(dialog.isVisible());
}

void tst_replace::failedWriteLeavesNothingAndOneBox() {
    TestFixture f;
    const School s = makeSchool(f);
    frmTableWindow* w = f.activateOpen(s.classTimetable);
    QVERIFY(w);
    selectCells(w->g(), 1, 2);
    const QString before = allRows(f, s);
    // From the second cell on every write fails, as on a full disk: one box means the walk
    // stopped at the first failure.
    QVERIFY(f.db().run("CREATE TABLE Writes (n INTEGER)"));
    QVERIFY(f.db().run("INSERT INTO Writes VALUES (0)"));
    QVERIFY(
        f.db().run("CREATE TRIGGER fail BEFORE UPDATE ON Slot BEGIN UPDATE Writes SET n = n + 1; "
                   "SELECT RAISE(ABORT, 'disk full') WHERE (SELECT n FROM Writes) >= 2; END"));
    frmReplace& dialog = openReplace(f);
    chooseReplace(dialog, "Subject", "Maths", "English");
    dialog.cmdOK().click();

    QCOMPARE(f.boxes.calls.size(), 1);
    QVERIFY2(f.boxes.last().text.contains("disk full"), qPrintable(f.boxes.last().text));
    QCOMPARE(f.boxes.last().icon, int(vb::vbCritical));
    QCOMPARE(allRows(f, s), before);
    QCOMPARE(w->g().TextMatrix(1, 1), QStringLiteral("Ann\r\nMaths\r\nR1"));
    QCOMPARE(f.db().transactionDepth(), 0);
    QVERIFY(f.state.GridEventsEnabled);
    QVERIFY(w->g().Redraw());
    QCOMPARE((QList<int>{w->g().Row(), w->g().Col()}), (QList<int>{1, 2}));
    QVERIFY(!f.main().menus().item("mnuEditUndo")->isEnabled());
}

void tst_replace::missingDayWritesNothing() {
    TestFixture f;
    const School s = makeSchool(f);
    frmTableWindow* w = f.activateOpen(s.classTimetable);
    QVERIFY(w);
    const QString before = allRows(f, s);
    // Wednesday's row goes from under the open window; Monday comes first in the walk.
    QVERIFY(
        f.db().run("DELETE FROM YTitle WHERE ID = ?", {dayIds(f.db(), s.classTimetable).value(2)}));
    frmReplace& dialog = openReplace(f);
    chooseReplace(dialog, "Subject", "Maths", "English");
    dialog.cmdOK().click();

    QCOMPARE(f.boxes.calls.size(), 1);
    QCOMPARE(f.boxes.last().icon, int(vb::vbCritical));
    QCOMPARE(allRows(f, s), before);
    QVERIFY(f.state.GridEventsEnabled);
}

void tst_replace::editReplaceShowsTheOpenDialog() {
    TestFixture f;
    const School s = makeSchool(f);
    QVERIFY(f.activateOpen(s.classTimetable));
    frmReplace& dialog = openReplace(f);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.parentWidget(), static_cast<QWidget*>(&f.main()));

    // The kinds stay those of the window it was opened for.
    QVERIFY(f.activateOpen(s.annTimetable));
    QCOMPARE(&openReplace(f), &dialog);
    QCOMPARE(itemsOf(dialog.cboType()), (QStringList{"Tutor", "Room", "Subject"}));

    dialog.cmdCancel().click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!f.outputCommands().replace());
    QCOMPARE(itemsOf(openReplace(f).cboType()), (QStringList{"Room", "Class", "Subject"}));
}

QTEST_MAIN(tst_replace)
#include "tst_replace.moc"
