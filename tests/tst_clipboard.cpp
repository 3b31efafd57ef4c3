#include "TestData.h"
#include "TestFixture.h"

#include "app/MainMenus.h"
#include "app/TreeBars.h"
#include "app/frmMain.h"
#include "app/frmTableWindow.h"
#include "platform/FlexGrid.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

using namespace TestData;

namespace {

struct School : SmallSchool {
    int timetableA = 0, timetableB = 0, lessonId = 0;
};

// 7A and 7B by Mon, Tue at 9:00 and 10:00; Ann teaches 7A Maths in R1 on Mon 9:00 and 7B
// something on Tue 10:00, so she is busy then.
School makeSchool(TestFixture& f) {
    School s{addSmallSchool(f.db())};
    s.timetableA =
        addTimetable(f.db(), "Class", s.c7A, {"Mon", "Tue"}, {{"09:00:00"}, {"10:00:00"}});
    s.timetableB =
        addTimetable(f.db(), "Class", s.c7B, {"Mon", "Tue"}, {{"09:00:00"}, {"10:00:00"}});
    s.lessonId = addSlot(f.db(), {"09:00:00", "Mon", s.c7A, s.ann, s.r1, s.maths, 1});
    addSlot(f.db(), {"10:00:00", "Tue", s.c7B, s.ann, 1, 1, 1});
    return s;
}

QString clipboardText() {
    return QGuiApplication::clipboard()->text();
}

} // namespace

class tst_clipboard : public QObject {
    Q_OBJECT

private slots:
    void copyGivesTheCellText_data();
    void copyGivesTheCellText();
    void cellWithoutRowCopiesAndCutsNothing();
    void copyThenPasteIntoAnotherTimetable();
    void pasteIntoAClashingCellWritesNothing();
    void pasteOverATutorsPlaceholderBooksHer();
    void cutThenUndo();
    void pastedTexts_data();
    void pastedTexts();
    void pasteIntoATimetableOfNoKindDoesNothing();
};

void tst_clipboard::copyGivesTheCellText_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("special");
    QTest::addColumn<QString>("text");
    QTest::newRow("lesson, edit menu") << "mnuEditCopy" << 1 << "Ann,Maths,R1,7A,1";
    QTest::newRow("lesson, cell menu") << "mnuRightClickCopy" << 1 << "Ann,Maths,R1,7A,1";
    QTest::newRow("lunch") << "mnuEditCopy" << 3 << ",,,7A,3";
}

void tst_clipboard::copyGivesTheCellText() {
    QFETCH(QString, item);
    QFETCH(int, special);
    QFETCH(QString, text);
    TestFixture f;
    const School s = makeSchool(f);
    if (special != 1)
        QVERIFY(f.db().run(
            "UPDATE Slot SET TutorID = 1, RoomID = 1, SubjectID = 1, SpecialID = ? WHERE ID = ?",
            {special, s.lessonId}));
    frmTableWindow* w = f.activateOpen(s.timetableA);
    QVERIFY(w);
    selectCells(w->g(), 1, 1);
    f.main().menus().item("mnuEditPaste")->setEnabled(false);
    QVERIFY(f.trigger(item));
    QCOMPARE(clipboardText(), text);
    QVERIFY(f.main().menus().item("mnuEditPaste")->isEnabled());
    QVERIFY(f.boxes.calls.isEmpty());
}

void tst_clipboard::cellWithoutRowCopiesAndCutsNothing() {
    TestFixture f;
    const School s = makeSchool(f);
    frmTableWindow* w = f.activateOpen(s.timetableA);
    QVERIFY(w);
    selectCells(w->g(), 2, 1); // Tue 9:00: no row
    QGuiApplication::clipboard()->setText("kept");
    QVERIFY(f.trigger("mnuEditCopy"));
    QCOMPARE(clipboardText(), QStringLiteral("kept"));
    QVERIFY(f.trigger("mnuEditCut"));
    QCOMPARE(clipboardText(), QStringLiteral("kept"));
    QCOMPARE(classSlotText(f.db(), "09:00:00", "Tue", s.c7A), QString());
    QVERIFY(!f.main().menus().item("mnuEditUndo")->isEnabled());
}

void tst_clipboard::copyThenPasteIntoAnotherTimetable() {
    TestFixture f;
    const School s = makeSchool(f);
    frmTableWindow* a = f.activateOpen(s.timetableA);
    QVERIFY(a);
    selectCells(a->g(), 1, 1);
    QVERIFY(f.trigger("mnuEditCopy"));
    frmTableWindow* b = f.activateOpen(s.timetableB);
    QVERIFY(b);
    selectCells(b->g(), 2, 1); // Tue 9:00: Ann is free
    QVERIFY(f.trigger("mnuRightClickPaste"));
    QVERIFY(f.boxes.calls.isEmpty());
    // The target keeps its own class; the rest comes from the clipboard.
    QCOMPARE(classSlotText(f.db(), "09:00:00", "Tue", s.c7B),
             QStringLiteral("%1,%2,%3,%4,1").arg(s.c7B).arg(s.ann).arg(s.r1).arg(s.maths));
    QCOMPARE(b->g().TextMatrix(2, 1), QStringLiteral("Ann\r\nMaths\r\nR1"));
    QVERIFY(f.main().menus().item("mnuEditUndo")->isEnabled());
}

void tst_clipboard::pasteOverATutorsPlaceholderBooksHer() {
    TestFixture f;
    const School s = makeSchool(f);
    const int annTimetable =
        addTimetable(f.db(), "Tutor", s.ann, {"Mon", "Tue"}, {{"09:00:00"}, {"10:00:00"}});
    addSlot(f.db(), {"09:00:00", "Tue", 1, s.ann, 1, 1, 1}); // Ann's cell left blank
    frmTableWindow* a = f.activateOpen(s.timetableA);
    QVERIFY(a);
    selectCells(a->g(), 1, 1);
    QVERIFY(f.trigger("mnuEditCopy"));
    selectCells(a->g(), 2, 1); // Tue 9:00
    QVERIFY(f.trigger("mnuEditPaste"));
    QVERIFY(f.boxes.calls.isEmpty());
    QCOMPARE(
        scalar(f.db(), "SELECT COUNT(*) FROM Slot WHERE StartTime = '09:00:00' AND DOW = 'Tue'"),
        1);

    frmTableWindow* ann = f.openTimetable(annTimetable);
    QVERIFY(ann);
    QCOMPARE(ann->g().TextMatrix(2, 1), QStringLiteral("7A\r\nMaths\r\nR1"));
    frmTableWindow* b = f.activateOpen(s.timetableB);
    QVERIFY(b);
    selectCells(b->g(), 2, 1);
    f.main().picLeftBar().SelectTreeBarNodeById(TreeBars::Tutors, s.ann);
    QCOMPARE(f.boxes.calls.size(), 1);
    QVERIFY(f.boxes.last().text.startsWith("A clash has occured."));
    QCOMPARE(classSlotText(f.db(), "09:00:00", "Tue", s.c7B), QString());
}

void tst_clipboard::pasteIntoAClashingCellWritesNothing() {
    TestFixture f;
    const School s = makeSchool(f);
    frmTableWindow* w = f.activateOpen(s.timetableA);
    QVERIFY(w);
    selectCells(w->g(), 1, 1);
    QVERIFY(f.trigger("mnuEditCopy"));
    selectCells(w->g(), 2, 2); // Tue 10:00: Ann teaches 7B
    QVERIFY(f.trigger("mnuEditPaste"));
    QCOMPARE(f.boxes.calls.size(), 1);
    QCOMPARE(f.boxes.last().icon, int(vb::vbCritical));
    QVERIFY(f.boxes.last().text.startsWith("A clash has occured."));
    QVERIFY(f.boxes.last().text.contains("The Tutor Ann "));
    QCOMPARE(classSlotText(f.db(), "10:00:00", "Tue", s.c7A), QString());
    QCOMPARE(w->g().TextMatrix(2, 2), QString());
}

void tst_clipboard::cutThenUndo() {
    TestFixture f;
    const School s = makeSchool(f);
    frmTableWindow* w = f.activateOpen(s.timetableA);
    QVERIFY(w);
    selectCells(w->g(), 1, 1);
    QVERIFY(f.trigger("mnuEditCut"));
    QCOMPARE(clipboardText(), QStringLiteral("Ann,Maths,R1,7A,1"));
    const QString lesson =
        QStringLiteral("%1,%2,%3,%4,1").arg(s.c7A).arg(s.ann).arg(s.r1).arg(s.maths);
    QCOMPARE(classSlotText(f.db(), "09:00:00", "Mon", s.c7A),
             QStringLiteral("%1,1,1,1,1").arg(s.c7A));
    QCOMPARE(w->g().TextMatrix(1, 1).trimmed(), QString());

    QVERIFY(f.trigger("mnuEditUndo"));
    QCOMPARE(classSlotText(f.db(), "09:00:00", "Mon", s.c7A), lesson);
    QCOMPARE(w->g().TextMatrix(1, 1), QStringLiteral("Ann\r\nMaths\r\nR1"));
    QCOMPARE(scalar(f.db(), "SELECT COUNT(*) FROM Slot"), 2);
}

void tst_clipboard::pastedTexts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("written"); // "tutor,room,subject,special" of the row; "" for none
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("four fields") << "Ann,Maths,R1,7A"
                                 << "";
    QTest::newRow("six fields") << "Ann,Maths,R1,7A,1,1"
                                << "";
    QTest::newRow("prose") << "Please buy milk."
                           << "";
    QTest::newRow("special not a number") << "Ann,Maths,R1,7A,one"
                                          << "";
    QTest::newRow("special 0") << "Ann,Maths,R1,7A,0"
                               << "";
    QTest::newRow("special 5") << "Ann,Maths,R1,7A,5"
                               << "";
    QTest::newRow("special huge") << "Ann,Maths,R1,7A,99999999999999999999"
                                  << "";
    QTest::newRow("special negative") << "Ann,Maths,R1,7A,-70000"
                                      << "";
    QTest::newRow("unknown tutor") << "Zed,Maths,R1,7A,1"
                                   << "";
    QTest::newRow("unknown class") << "Ann,Maths,R1,9Z,1"
                                   << "";
    QTest::newRow("name differs in case") << "ann,Maths,R1,7A,1"
                                          << "";
    QTest::newRow("lesson") << "Ann,Maths,R1,7A,1"
                            << "T,R,S,1";
    QTest::newRow("lunch") << ",,,7A,3"
                           << "1,1,1,3";
    QTest::newRow("unavailable, no class") << ",,,,2"
                                           << "1,1,1,2";
    QTest::newRow("subject alone") << ",Maths,,,1"
                                   << "1,1,S,1";
    QTest::newRow("rounded special") << ",,,,3.8"
                                     << "1,1,1,4";
    QTest::newRow("line end after the number") << "Ann,Maths,R1,7A,1\n"
                                               << "T,R,S,1";
}

void tst_clipboard::pastedTexts() {
    QFETCH(QString, text);
    QFETCH(QString, written);
    TestFixture f;
    const School s = makeSchool(f);
    frmTableWindow* w = f.activateOpen(s.timetableA);
    QVERIFY(w);
    const int names =
        scalar(f.db(), "SELECT (SELECT COUNT(*) FROM Tutor) + (SELECT COUNT(*) FROM Class)");
    selectCells(w->g(), 2, 1); // Tue 9:00
    QGuiApplication::clipboard()->setText(text);
    QVERIFY(f.trigger("mnuEditPaste"));

    QVERIFY(f.boxes.calls.isEmpty());
    QCOMPARE(scalar(f.db(), "SELECT (SELECT COUNT(*) FROM Tutor) + (SELECT COUNT(*) FROM Class)"),
             names);
    written.replace("T", QString::number(s.ann))
        .replace("R", QString::number(s.r1))
        .replace("S", QString::number(s.maths));
    const QString expected =
        written.isEmpty() ? QString() : QStringLiteral("%1,%2").arg(s.c7A).arg(written);
    QCOMPARE(classSlotText(f.db(), "09:00:00", "Tue", s.c7A), expected);
}

void tst_clipboard::pasteIntoATimetableOfNoKindDoesNothing() {
    TestFixture f;
    const School s = makeSchool(f);
    const int odd = addTimetable(f.db(), "Subject", s.maths, {"Tue"}, {{"09:00:00"}});
    frmTableWindow* w = f.activateOpen(odd);
    QVERIFY(w);
    const int rows = scalar(f.db(), "SELECT COUNT(*) FROM Slot");
    QGuiApplication::clipboard()->setText("Ann,Maths,R1,7A,1");
    selectCells(w->g(), 1, 1);
    f.boxes.calls.clear(); // loading a cell of such a timetable reports it; that is not ours
    const int tutorShown = f.main().picLeftBar().selectedId(TreeBars::Tutors);
    w->ClipboardPaste();
    QCOMPARE(f.main().picLeftBar().selectedId(TreeBars::Tutors), tutorShown);
    w->ClipboardCopy(true);
    QVERIFY(f.boxes.calls.isEmpty());
    QCOMPARE(scalar(f.db(), "SELECT COUNT(*) FROM Slot"), rows);
    QCOMPARE(clipboardText(), QStringLiteral("Ann,Maths,R1,7A,1"));
}

QTEST_MAIN(tst_clipboard)
#include "tst_clipboard.moc"
