#include "LeftBarDriver.h"
#include "TestData.h"
#include "TestFixture.h"

#include "app/CellEditor.h"
#include "app/MainMenus.h"
#include "app/frmMain.h"
#include "app/frmTableWindow.h"
#include "platform/FlexGrid.h"

#include <QAction>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTest>

using namespace TestData;
using namespace LeftBarDriver;

namespace {

// Two classes, two tutors, two rooms, two subjects; each with a Mon/Tue by 9:00/9:40 timetable.
struct School : SmallSchool {
    int tt7A = 0, tt7B = 0, ttAnn = 0, ttR1 = 0;
};

School makeSchool(TestFixture& f) {
    School s{addSmallSchool(f.db())};
    const QStringList days{"Mon", "Tue"};
    const QList<Period> periods{{"09:00:00", 40}, {"09:40:00", 40}};
    s.tt7A = addTimetable(f.db(), "Class", s.c7A, days, periods);
    s.tt7B = addTimetable(f.db(), "Class", s.c7B, days, periods);
    s.ttAnn = addTimetable(f.db(), "Tutor", s.ann, days, periods);
    s.ttR1 = addTimetable(f.db(), "Room", s.r1, days, periods);
    f.main(); // started before any window: each test opens what it needs
    return s;
}

QAction& undoItem(TestFixture& f) {
    return *f.main().menus().item("mnuEditUndo");
}

// How the engine answers each statement that reads or writes Slot, in the order they ran.
QStringList slotPlans(DBConnection& db, const QList<std::pair<QString, QVariantList>>& statements) {
    QStringList plans;
    for (const auto& [sql, values] : statements) {
        if (!sql.contains(QLatin1String("FROM Slot")) &&
            !sql.startsWith(QLatin1String("UPDATE Slot")))
            continue;
        Result<QSqlQuery> plan = db.exec(QStringLiteral("EXPLAIN QUERY PLAN ") + sql, values);
        if (!plan)
            return {plan.error().message};
        QStringList steps;
        while (plan.value().next()) {
            const QString step = plan.value().value(3).toString();
            if (step.contains(QLatin1String(" Slot ")) || step.endsWith(QLatin1String(" Slot")))
                steps << step;
        }
        plans << steps.join(QLatin1String("; "));
    }
    return plans;
}

} // namespace

class tst_lessons : public QObject {
    Q_OBJECT

private slots:
    void newLessonShowsInEveryTimetableOfIt();
    void clashIsRefusedWithTheMessage();
    void undoTakesBackTheLastWrite();
    void clickOverUnavailableWritesAnOrdinaryLesson();
    void takeOverOfAFreeRowShowsInTheLists();
    void failedWriteIsReportedAndNotShown();
    void clickWriteTellsOfAFailedStepOnly_data();
    void clickWriteTellsOfAFailedStepOnly();
    void nothingIsWrittenOnAHeaderCell();
    void clickReadsOnlyItsOwnersRowsButOnceTheWholePeriod();
};

void tst_lessons::newLessonShowsInEveryTimetableOfIt() {
    TestFixture f;
    const School s = makeSchool(f);
    frmTableWindow* w = f.openTimetable(s.tt7A);
    QVERIFY(w);
    TreeBars& bars = f.main().picLeftBar();
    clickItem(bars, TreeBars::Tutors, "Ann");
    clickItem(bars, TreeBars::Subjects, "Maths");
    clickItem(bars, TreeBars::Rooms, "R1");
    QCOMPARE(slotCount(f.db()), 1);
    QCOMPARE(
        scalar(f.db(),
               "SELECT COUNT(*) FROM Slot WHERE ClassID = ? AND TutorID = ? AND SubjectID = ? AND "
               "RoomID = ? AND SpecialID = 1 AND StartTime = '09:00:00' AND DOW = 'Mon' AND "
               "Duration = 40",
               {s.c7A, s.ann, s.maths, s.r1}),
        1);
    QCOMPARE(w->g().TextMatrix(1, 1), QStringLiteral("Ann\r\nMaths\r\nR1"));
    QVERIFY(undoItem(f).isEnabled());
    QCOMPARE(bars.nameBox(TreeBars::Rooms).text(), QStringLiteral("R1"));

    frmTableWindow* tutor = f.openTimetable(s.ttAnn);
    QCOMPARE(tutor->g().TextMatrix(1, 1), QStringLiteral("7A\r\nMaths\r\nR1"));
    frmTableWindow* room = f.openTimetable(s.ttR1);
    QCOMPARE(room->g().TextMatrix(1, 1), QStringLiteral("Ann\r\nMaths\r\n7A"));
    QVERIFY(!undoItem(f).isEnabled()); // activation ends the undo
}

void tst_lessons::clashIsRefusedWithTheMessage() {
    TestFixture f;
    const School s = makeSchool(f);
    addSlot(f.db(), {"09:00:00", "Mon", s.c7B, s.ann, s.r2, s.english, 1});
    frmTableWindow* w = f.openTimetable(s.tt7A);
    TreeBars& bars = f.main().picLeftBar();
    clickItem(bars, TreeBars::Tutors, "Ann");
    QCOMPARE(f.boxes.calls.size(), 1);
    QCOMPARE(f.boxes.last().icon, int(vb::vbCritical));
    QCOMPARE(
        f.boxes.last().text,
        QStringLiteral(
            "A clash has occured.\r\n\r\nThe Tutor Ann is scheduled elsewhere at this time and "
            "\r\ncannot be used here. To correct this problem select the Tutor's \r\ntimetable "
            "and make them available. \r\n"));
    QCOMPARE(slotCount(f.db()), 1);
    QCOMPARE(w->g().TextMatrix(1, 1), QString());
    QCOMPARE(bars.selectedId(TreeBars::Tutors), 1); // the lists show the stored cell again
    QVERIFY(!undoItem(f).isEnabled());
}

void tst_lessons::undoTakesBackTheLastWrite() {
    TestFixture f;
    const School s = makeSchool(f);
    const int lesson = addSlot(f.db(), {"09:00:00", "Mon", s.c7A, s.bob, s.r2, s.english, 1});
    frmTableWindow* w = f.openTimetable(s.tt7A);
    TreeBars& bars = f.main().picLeftBar();
    // A plain write over a lesson, then undo: the lesson is back.
    clickItem(bars, TreeBars::Tutors, "Ann");
    QCOMPARE(scalar(f.db(), "SELECT TutorID FROM Slot WHERE ID = ?", {lesson}), s.ann);
    undoItem(f).trigger();
    QCOMPARE(scalar(f.db(), "SELECT TutorID FROM Slot WHERE ID = ?", {lesson}), s.bob);
    QCOMPARE(w->g().TextMatrix(1, 1), QStringLiteral("Bob\r\nEnglish\r\nR2"));
    QVERIFY(!undoItem(f).isEnabled());
    QCOMPARE(bars.selectedName(TreeBars::Tutors), QStringLiteral("Bob"));

    // A write into a cell that had no row, then undo: an empty period stays.
    w->g().setCol(2);
    clickItem(bars, TreeBars::Tutors, "Ann");
    QCOMPARE(slotCount(f.db()), 2);
    undoItem(f).trigger();
    QCOMPARE(slotCount(f.db()), 2);
    QCOMPARE(scalar(f.db(),
                    "SELECT COUNT(*) FROM Slot WHERE StartTime = '09:40:00' AND ClassID = ? AND "
                    "TutorID = 1 AND RoomID = 1 AND SubjectID = 1 AND SpecialID = 1",
                    {s.c7A}),
             1);
    QCOMPARE(w->g().TextMatrix(1, 2), QStringLiteral("\r\n\r\n"));
}

void tst_lessons::clickOverUnavailableWritesAnOrdinaryLesson() {
    TestFixture f;
    const School s = makeSchool(f);
    const int row = addSlot(f.db(), {"09:00:00", "Mon", s.c7A, 1, 1, 1, 2});
    frmTableWindow* w = f.openTimetable(s.tt7A);
    QCOMPARE(f.state.CurrentSpecialID, 1);
    clickItem(f.main().picLeftBar(), TreeBars::Tutors, "Ann");
    QCOMPARE(scalar(f.db(), "SELECT SpecialID FROM Slot WHERE ID = ?", {row}), 1);
    QCOMPARE(scalar(f.db(), "SELECT TutorID FROM Slot WHERE ID = ?", {row}), s.ann);
    QCOMPARE(w->g().TextMatrix(1, 1), QStringLiteral("Ann\r\n\r\n"));
}

void tst_lessons::takeOverOfAFreeRowShowsInTheLists() {
    TestFixture f;
    const School s = makeSchool(f);
    // Ann's own timetable holds Maths at Mon 9:00 with no class or room yet.
    const int freeRow = addSlot(f.db(), {"09:00:00", "Mon", 1, s.ann, 1, s.maths, 1});
    frmTableWindow* w = f.openTimetable(s.tt7A);
    TreeBars& bars = f.main().picLeftBar();
    clickItem(bars, TreeBars::Tutors, "Ann");
    QCOMPARE(slotCount(f.db()), 1);
    QCOMPARE(scalar(f.db(), "SELECT ClassID FROM Slot WHERE ID = ?", {freeRow}), s.c7A);
    QCOMPARE(bars.selectedName(TreeBars::Subjects), QStringLiteral("Maths"));
    QCOMPARE(w->g().TextMatrix(1, 1), QStringLiteral("Ann\r\nMaths\r\n"));
    // Undo gives the row back to Ann's timetable as it was.
    undoItem(f).trigger();
    QCOMPARE(scalar(f.db(), "SELECT ClassID FROM Slot WHERE ID = ?", {freeRow}), 1);
    QCOMPARE(scalar(f.db(), "SELECT SubjectID FROM Slot WHERE ID = ?", {freeRow}), s.maths);
    QCOMPARE(w->g().TextMatrix(1, 1), QString());
}

void tst_lessons::failedWriteIsReportedAndNotShown() {
    TestFixture f;
    const School s = makeSchool(f);
    QVERIFY(f.db().run(
        "CREATE TRIGGER refuse BEFORE INSERT ON Slot BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
    frmTableWindow* w = f.openTimetable(s.tt7A);
    clickItem(f.main().picLeftBar(), TreeBars::Tutors, "Ann");
    QCOMPARE(f.boxes.calls.size(), 1);
    QCOMPARE(f.boxes.last().icon, int(vb::vbCritical));
    QVERIFY(f.boxes.last().text.contains("disk full"));
    QCOMPARE(slotCount(f.db()), 0);
    QCOMPARE(w->g().TextMatrix(1, 1), QString());
    QVERIFY(!undoItem(f).isEnabled());
}

void tst_lessons::clickWriteTellsOfAFailedStepOnly_data() {
    QTest::addColumn<QString>("cell");
    QTest::addColumn<int>("boxes");
    QTest::newRow("written") << "free" << 0;
    QTest::newRow("clash: shown, and a walk goes on") << "clash" << 1;
    QTest::newRow("failed step: shown, and a walk stops") << "failing" << 1;
}

void tst_lessons::clickWriteTellsOfAFailedStepOnly() {
    QFETCH(QString, cell);
    QFETCH(int, boxes);
    TestFixture f;
    const School s = makeSchool(f);
    if (cell == "clash")
        addSlot(f.db(), {"09:00:00", "Mon", s.c7B, s.ann, s.r2, s.english, 1});
    if (cell == "failing")
        QVERIFY(f.db().run("CREATE TRIGGER refuse BEFORE INSERT ON Slot BEGIN SELECT RAISE(ABORT, "
                           "'disk full'); END"));
    f.openTimetable(s.tt7A);
    TreeBars& bars = f.main().picLeftBar();
    CellEditor& editor = f.main().cellEditor();

    const Result<void> written =
        editor.writeThroughClick([&] { bars.SelectTreeBarNodeById(TreeBars::Tutors, s.ann); });
    QCOMPARE(written.ok(), cell != "failing");
    if (!written)
        QVERIFY2(written.error().message.contains("disk full"),
                 qPrintable(written.error().message));
    QCOMPARE(f.boxes.calls.size(), boxes);
    // A click that writes nothing tells of no failure, whatever the click before it did.
    FlagGuard selecting(f.state.TreeClickWritesSlot, false);
    QVERIFY(editor.writeThroughClick([&] { bars.SelectTreeBarNodeById(TreeBars::Tutors, s.bob); }));
    QCOMPARE(f.boxes.calls.size(), boxes);
}

void tst_lessons::nothingIsWrittenOnAHeaderCell() {
    TestFixture f;
    const School s = makeSchool(f);
    frmTableWindow* w = f.openTimetable(s.tt7A);
    w->g().setRow(0);
    QVERIFY(f.main().cellEditor().UpdateSlot(0));
    QCOMPARE(slotCount(f.db()), 0);
    // A period row that went missing under the window: nothing is written either.
    w->g().setRow(1);
    QVERIFY(f.db().run("DELETE FROM XTitle WHERE ID = ?", {w->g().ColData(1)}));
    QVERIFY(f.main().cellEditor().UpdateSlot(0));
    QCOMPARE(slotCount(f.db()), 0);
    QVERIFY(f.boxes.calls.isEmpty());
}

// A click in a full school must not cost one row per class at that time: every lookup of the
// cell's own row, the free row it takes over and the clash check go through an owner's index
// (the time index would read the whole period), and only the busy marks read the whole period,
// once per click for the three lists.
void tst_lessons::clickReadsOnlyItsOwnersRowsButOnceTheWholePeriod() {
    TestFixture f;
    const School s = makeSchool(f);
    addSlot(f.db(), {"09:00:00", "Mon", 1, s.ann, 1, s.maths, 1}); // Ann's free row, taken over
    addSlot(f.db(), {"09:00:00", "Mon", s.c7B, s.bob, s.r2, s.english, 1});
    frmTableWindow* w = f.openTimetable(s.tt7A);
    TreeBars& bars = f.main().picLeftBar();
    expand(bars, TreeBars::Tutors);
    expand(bars, TreeBars::Rooms);
    QList<std::pair<QString, QVariantList>> statements;
    f.db().setStatementObserver([&statements](const QString& sql, const QVariantList& values) {
        statements.append({sql, values});
    });
    clickItem(bars, TreeBars::Tutors, "Ann"); // takes Ann's free row over
    clickItem(bars, TreeBars::Rooms, "R1");   // writes the cell's own row
    f.db().setStatementObserver({});
    QCOMPARE(w->g().TextMatrix(1, 1), QStringLiteral("Ann\r\nMaths\r\nR1"));

    const QStringList plans = slotPlans(f.db(), statements);
    QVERIFY2(!plans.isEmpty(), "the click read no slots");
    int wholePeriod = 0;
    for (const QString& plan : plans) {
        QVERIFY2(!plan.contains(QLatin1String("SCAN")), qPrintable(plan));
        if (plan.contains(QLatin1String("Slot_Time")))
            ++wholePeriod;
        else
            QVERIFY2(plan.contains(QRegularExpression(
                         "Slot_(Class|Tutor|Room) \\(\\w+ID=\\? AND StartTime=\\? "
                         "AND DOW=\\?\\)|INTEGER PRIMARY KEY")),
                     qPrintable(plan));
    }
    QCOMPARE(wholePeriod, 2); // once per click
}

QTEST_MAIN(tst_lessons)
#include "tst_lessons.moc"
