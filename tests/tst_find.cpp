#include "TestData.h"
#include "TestFixture.h"

#include "app/TreeBars.h"
#include "app/frmMain.h"
#include "app/frmTableWindow.h"
#include "output/OutputCommands.h"
#include "output/frmFind.h"
#include "platform/FlexGrid.h"
#include "platform/FlexGridData.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

using namespace TestData;

namespace {

const QString Question = QStringLiteral("Finished searching this timetable. Would you like to "
                                        "continue searching on the next timetable?");

struct School : SmallSchool {
    int classTimetable = 0, annTimetable = 0;
};

// 7A's timetable (made first) and, when asked for, Ann's; both Mon, Tue, Wed by 9:00, 10:00,
// 11:00. In 7A's:
//   (1,1) Ann Maths R1   (1,3) Ann Maths R2   (2,2) Bob Maths R1
//   (3,2) Ann Maths R1   (3,3) Bob English R2
School makeSchool(TestFixture& f, bool withAnnsTimetable = false) {
    School s{addSmallSchool(f.db())};
    const QStringList days{"Mon", "Tue", "Wed"};
    const QList<Period> periods{{"09:00:00"}, {"10:00:00"}, {"11:00:00"}};
    s.classTimetable = addTimetable(f.db(), "Class", s.c7A, days, periods);
    if (withAnnsTimetable)
        s.annTimetable = addTimetable(f.db(), "Tutor", s.ann, days, periods);
    addSlot(f.db(), {"09:00:00", "Mon", s.c7A, s.ann, s.r1, s.maths});
    addSlot(f.db(), {"11:00:00", "Mon", s.c7A, s.ann, s.r2, s.maths});
    addSlot(f.db(), {"10:00:00", "Tue", s.c7A, s.bob, s.r1, s.maths});
    addSlot(f.db(), {"10:00:00", "Wed", s.c7A, s.ann, s.r1, s.maths});
    addSlot(f.db(), {"11:00:00", "Wed", s.c7A, s.bob, s.r2, s.english});
    return s;
}

// Ann's window and 7A's, 7A's the active one at (1, 1).
std::pair<frmTableWindow*, frmTableWindow*> openBoth(TestFixture& f, const School& s) {
    frmTableWindow* annWindow = f.activateOpen(s.annTimetable);
    frmTableWindow* classWindow = f.activateOpen(s.classTimetable);
    if (classWindow)
        selectCells(classWindow->g(), 1, 1);
    return {annWindow, classWindow};
}

frmFind& openFind(TestFixture& f) {
    if (!f.trigger("mnuEditFind"))
        qFatal("Edit > Find is not available");
    frmFind* dialog = f.outputCommands().find();
    if (!dialog)
        qFatal("Edit > Find showed no dialog");
    return *dialog;
}

void clickFind(frmFind& dialog, const QString& text) {
    dialog.txtFind().setText(text);
    dialog.cmdOK().click();
}

QPoint cell(const frmTableWindow& w) {
    return {w.g().Row(), w.g().Col()};
}

QStringList boxTexts(const TestFixture& f) {
    QStringList texts;
    for (const MsgBoxCall& call : f.boxes.calls)
        texts << call.text;
    return texts;
}

} // namespace

class tst_find : public QObject {
    Q_OBJECT

private slots:
    void successiveMatchesThenWrapAndNotFound();
    void theFoundCellIsMarkedBesideTheDialog();
    void answeringNoKeepsTheSearch();
    void notFoundLeavesTheListsOnTheCurrentCell();
    void matchInTheLastCellIsNotFoundOverAndOver();
    void emptyTextSpecialsAndHeadersNeverMatch();
    void walksTheOtherWindowsOnYes();
    void aWindowOpenedBetweenClicksIsSearchedToo();
    void twoWindowsOfOneTimetableAreTwoPlaces();
    void anotherActiveWindowStartsANewSearch();
    void editFindShowsOneDialogThatClosesWithAWindow();
};

void tst_find::successiveMatchesThenWrapAndNotFound() {
    TestFixture f;
    const School s = makeSchool(f);
    frmTableWindow* w = f.activateOpen(s.classTimetable);
    QVERIFY(w);
    selectCells(w->g(), 1, 1);
    frmFind& find = openFind(f);

    clickFind(find, "ann"); // the current cell is not tested, and case does not count
    QCOMPARE(cell(*w), QPoint(1, 3));
    QCOMPARE(f.main().picLeftBar().selectedId(TreeBars::Rooms), s.r2); // the lists show the match
    clickFind(find, "ann");
    QCOMPARE(cell(*w), QPoint(3, 2));
    QCOMPARE(f.main().picLeftBar().selectedId(TreeBars::Rooms), s.r1);
    QVERIFY(f.boxes.calls.isEmpty());

    // Past the end: the question, then the cells up to where the search began.
    clickFind(find, "ann");
    QCOMPARE(boxTexts(f), QStringList{Question});
    QCOMPARE(f.boxes.last().icon, int(vb::vbQuestion));
    QCOMPARE(f.boxes.last().buttons, int(vb::vbYesNoCancel));
    QCOMPARE(cell(*w), QPoint(1, 1));

    clickFind(find, "ann");
    QCOMPARE(boxTexts(f), (QStringList{Question, "Cannot find text \"ann\""}));
    QCOMPARE(f.boxes.last().icon, int(vb::vbInformation));
    QCOMPARE(f.boxes.last().buttons, int(vb::vbOKOnly));

    clickFind(find, "ann"); // a new search
    QCOMPARE(cell(*w), QPoint(1, 3));
    QCOMPARE(f.boxes.calls.size(), 2);
}

// The dialog keeps the focus; the grid still marks the cell found.
void tst_find::theFoundCellIsMarkedBesideTheDialog() {
    TestFixture f;
    const School s = makeSchool(f);
    frmTableWindow* w = f.activateOpen(s.classTimetable);
    QVERIFY(w);
    selectCells(w->g(), 1, 1);
    frmFind& find = openFind(f);
    clickFind(find, "bob");
    QCOMPARE(cell(*w), QPoint(2, 2));
    find.activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &find);
    QVERIFY(!w->g().hasFocus());
    const FlexGrid& g = w->g();
    const QImage image = g.viewport()->grab().toImage();
    const auto inside = [&g](int row, int col) {
        return QPoint(g.colPos(col) + 3, g.rowPos(row) + 3);
    };
    QCOMPARE(image.pixelColor(inside(2, 2)), g.BackColorSel());
    QCOMPARE(image.pixelColor(inside(1, 1)), g.data().backColorAt(1, 1)); // the search began here
}

void tst_find::answeringNoKeepsTheSearch() {
    TestFixture f;
    const School s = makeSchool(f);
    frmTableWindow* w = f.activateOpen(s.classTimetable);
    QVERIFY(w);
    selectCells(w->g(), 2, 2);
    frmFind& find = openFind(f);

    f.boxes.answers = {vb::vbNo};
    clickFind(find, "zzz");
    QCOMPARE(boxTexts(f), QStringList{Question});
    QCOMPARE(cell(*w), QPoint(3, 1)); // a scan without a match ends in the last row, column 1

    // A new text goes on with the same search: it still began after (2, 2).
    clickFind(find, "ANN");
    QCOMPARE(cell(*w), QPoint(3, 2));
    f.boxes.answers = {vb::vbYes};
    clickFind(find, "ANN");
    QCOMPARE(cell(*w), QPoint(1, 1));
    clickFind(find, "ANN");
    QCOMPARE(cell(*w), QPoint(1, 3));
    clickFind(find, "ANN"); // Ann is not at (2, 1) or (2, 2), where the search began
    QCOMPARE(boxTexts(f), (QStringList{Question, Question, "Cannot find text \"ANN\""}));
}

void tst_find::notFoundLeavesTheListsOnTheCurrentCell() {
    TestFixture f;
    const School s = makeSchool(f);
    addSlot(f.db(), {"09:00:00", "Tue", s.c7A, s.ann, s.r2, s.english}); // (2,1)
    addSlot(f.db(), {"09:00:00", "Wed", s.c7A, s.bob, s.r2, s.english}); // (3,1)
    frmTableWindow* w = f.activateOpen(s.classTimetable);
    QVERIFY(w);
    selectCells(w->g(), 2, 2);
    frmFind& find = openFind(f);

    // The question comes at (3,1); the way back from the top ends at (2,1).
    clickFind(find, "zzz");
    QCOMPARE(boxTexts(f), (QStringList{Question, "Cannot find text \"zzz\""}));
    QCOMPARE(cell(*w), QPoint(2, 1));
    QCOMPARE(f.main().picLeftBar().selectedId(TreeBars::Tutors), s.ann);
    // A click on a list item then writes into that cell what it holds, and nothing of (3,1).
    f.main().picLeftBar().SelectTreeBarNodeById(TreeBars::Rooms, s.r1);
    QCOMPARE(classSlotText(f.db(), "09:00:00", "Tue", s.c7A),
             QStringLiteral("%1,%2,%3,%4,1").arg(s.c7A).arg(s.ann).arg(s.r1).arg(s.english));
}

void tst_find::matchInTheLastCellIsNotFoundOverAndOver() {
    TestFixture f;
    const School s = makeSchool(f);
    frmTableWindow* w = f.activateOpen(s.classTimetable);
    QVERIFY(w);
    selectCells(w->g(), 3, 3);
    frmFind& find = openFind(f);

    clickFind(find, "english"); // nothing after the last cell: the question, then from the top
    QCOMPARE(boxTexts(f), QStringList{Question});
    QCOMPARE(cell(*w), QPoint(3, 3));
    clickFind(find, "english");
    QCOMPARE(boxTexts(f), (QStringList{Question, "Cannot find text \"english\""}));
    QCOMPARE(cell(*w), QPoint(3, 3));

    // Answered No, the next click is still in the same search and asks again.
    f.boxes.calls.clear();
    f.boxes.answers = {vb::vbCancel, vb::vbCancel};
    clickFind(find, "english");
    clickFind(find, "english");
    QCOMPARE(boxTexts(f), (QStringList{Question, Question}));
}

void tst_find::emptyTextSpecialsAndHeadersNeverMatch() {
    TestFixture f;
    const School s = makeSchool(f);
    // (1,2) an emptied lesson (blank lines), (2,1) unavailable.
    addSlot(f.db(), {"10:00:00", "Mon", s.c7A});
    addSlot(f.db(), {"09:00:00", "Tue", s.c7A, 1, 1, 1, 2});
    frmTableWindow* w = f.activateOpen(s.classTimetable);
    QVERIFY(w);
    QVERIFY(w->g().TextMatrix(1, 2).contains('\n'));
    selectCells(w->g(), 1, 1);
    frmFind& find = openFind(f);

    clickFind(find, "");
    QCOMPARE(cell(*w), QPoint(1, 3));
    clickFind(find, "");
    QCOMPARE(cell(*w), QPoint(2, 2));

    for (const QString& header : {QStringLiteral("mon"), QStringLiteral("9:00 - 9:40")}) {
        f.boxes.calls.clear();
        selectCells(w->g(), 1, 1);
        clickFind(find, header); // one window: the question, then back at the start
        QCOMPARE(boxTexts(f),
                 (QStringList{Question, QStringLiteral("Cannot find text \"%1\"").arg(header)}));
    }
}

void tst_find::walksTheOtherWindowsOnYes() {
    TestFixture f;
    const School s = makeSchool(f, true);
    const auto [annWindow, classWindow] = openBoth(f, s);
    QVERIFY(annWindow && classWindow);
    frmFind& find = openFind(f);

    // "7a" shows only in Ann's timetable: 7A's own cells leave their class out.
    clickFind(find, "7a");
    QCOMPARE(boxTexts(f), QStringList{Question});
    QCOMPARE(f.main().activeTableWindow(), annWindow);
    QCOMPARE(cell(*annWindow), QPoint(1, 1));
    QCOMPARE(f.main().picLeftBar().selectedId(TreeBars::Classes), s.c7A);
    QCOMPARE(f.main().picLeftBar().selectedId(TreeBars::Rooms), s.r1);
    QVERIFY(find.isVisible());
    clickFind(find, "7a");
    QCOMPARE(cell(*annWindow), QPoint(1, 3));
    QCOMPARE(f.main().picLeftBar().selectedId(TreeBars::Rooms), s.r2);

    // No ends the click where it is, in the window it has come to.
    f.boxes.calls.clear();
    f.boxes.answers = {vb::vbNo};
    clickFind(find, "zzz");
    QCOMPARE(boxTexts(f), QStringList{Question});
    QCOMPARE(f.main().activeTableWindow(), annWindow);
    QCOMPARE(cell(*annWindow), QPoint(3, 1));
    // Yes goes back to 7A's window, where this search began, up to its start cell.
    f.boxes.answers = {vb::vbYes};
    clickFind(find, "zzz");
    QCOMPARE(boxTexts(f), (QStringList{Question, Question, "Cannot find text \"zzz\""}));
    QCOMPARE(cell(*classWindow), QPoint(1, 1));
}

// The open windows are taken as they are at each click, not as they were when Find opened.
void tst_find::aWindowOpenedBetweenClicksIsSearchedToo() {
    TestFixture f;
    const School s = makeSchool(f);
    frmTableWindow* classWindow = f.activateOpen(s.classTimetable);
    QVERIFY(classWindow);
    frmFind& find = openFind(f);
    f.boxes.answers = {vb::vbNo};
    clickFind(find, "7a");
    QCOMPARE(boxTexts(f), QStringList{Question});

    const int annTimetable = addTimetable(f.db(), "Tutor", s.ann, {"Mon", "Tue", "Wed"},
                                          {{"09:00:00"}, {"10:00:00"}, {"11:00:00"}});
    frmTableWindow* annWindow = f.openTimetable(annTimetable);
    QVERIFY(annWindow);
    f.activateOpen(s.classTimetable);
    f.boxes.calls.clear();
    f.boxes.answers = {vb::vbYes};
    clickFind(find, "7a");
    QCOMPARE(boxTexts(f), QStringList{Question});
    QCOMPARE(f.main().activeTableWindow(), annWindow);
    QCOMPARE(cell(*annWindow), QPoint(1, 1));
}

void tst_find::twoWindowsOfOneTimetableAreTwoPlaces() {
    TestFixture f;
    const School s = makeSchool(f);
    frmTableWindow* first = f.activateOpen(s.classTimetable);
    frmTableWindow* second = f.openTimetable(s.classTimetable);
    QVERIFY(first && second && first != second);
    QCOMPARE(f.main().activeTableWindow(), second);
    selectCells(second->g(), 3, 3);
    frmFind& find = openFind(f);

    clickFind(find, "bob"); // the last cell: on to the first window
    QCOMPARE(f.main().activeTableWindow(), first);
    QCOMPARE(cell(*first), QPoint(2, 2));
    clickFind(find, "bob");
    QCOMPARE(cell(*first), QPoint(3, 3));
    clickFind(find, "bob"); // back in the window where the search began, from its top
    QCOMPARE(f.main().activeTableWindow(), second);
    QCOMPARE(cell(*second), QPoint(2, 2));
    clickFind(find, "bob");
    QCOMPARE(cell(*second), QPoint(3, 3));
    clickFind(find, "bob");
    QCOMPARE(boxTexts(f), (QStringList{Question, Question, "Cannot find text \"bob\""}));
}

void tst_find::anotherActiveWindowStartsANewSearch() {
    TestFixture f;
    const School s = makeSchool(f, true);
    const auto [annWindow, classWindow] = openBoth(f, s);
    QVERIFY(annWindow && classWindow);
    frmFind& find = openFind(f);
    clickFind(find, "maths");
    QCOMPARE(cell(*classWindow), QPoint(1, 3));

    // The user turns to Ann's window: the search starts there, after its current cell.
    QCOMPARE(f.activateOpen(s.annTimetable), annWindow);
    selectCells(annWindow->g(), 1, 3);
    clickFind(find, "maths");
    QCOMPARE(f.main().activeTableWindow(), annWindow);
    QCOMPARE(cell(*annWindow), QPoint(3, 2));
    QCOMPARE(cell(*classWindow), QPoint(1, 3));
    QVERIFY(f.boxes.calls.isEmpty());
}

void tst_find::editFindShowsOneDialogThatClosesWithAWindow() {
    TestFixture f;
    const School s = makeSchool(f, true);
    frmTableWindow* w = f.activateOpen(s.classTimetable);
    QVERIFY(w && f.activateOpen(s.annTimetable));
    frmFind& find = openFind(f);
    QVERIFY(find.isVisible());
    QCOMPARE(find.windowTitle(), QStringLiteral("Find"));
    QCOMPARE(find.parentWidget(), static_cast<QWidget*>(&f.main()));
    QCOMPARE(&openFind(f), &find);

    // A closed dialog goes away; the next one knows nothing of the old search.
    find.cmdCancel().click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!f.outputCommands().find());
    frmFind& again = openFind(f);
    QVERIFY(again.isVisible());

    qobject_cast<QMdiSubWindow*>(w->parentWidget())->close();
    QVERIFY(!again.isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!f.outputCommands().find());
}

QTEST_MAIN(tst_find)
#include "tst_find.moc"
