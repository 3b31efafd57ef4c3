#include "TestData.h"
#include "TestFixture.h"

#include "app/MainMenus.h"
#include "app/TreeBars.h"
#include "app/frmMain.h"
#include "app/frmTableWindow.h"
#include "platform/FlexGrid.h"
#include "platform/FlexGridData.h"

#include <QAction>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

using namespace TestData;

namespace {

const QColor UnavailableBack(255, 0, 0);

struct School : SmallSchool {
    int timetableId = 0, lessonId = 0;
};

// 7A's timetable: Mon, Tue, Wed by 9:00, 10:00, 11:00, with Ann teaching Maths in R1 on Mon 9:00.
School makeSchool(TestFixture& f) {
    School s{addSmallSchool(f.db())};
    s.timetableId = addTimetable(f.db(), "Class", s.c7A, {"Mon", "Tue", "Wed"},
                                 {{"09:00:00"}, {"10:00:00"}, {"11:00:00"}});
    s.lessonId = addSlot(f.db(), {"09:00:00", "Mon", s.c7A, s.ann, s.r1, s.maths, 1});
    if (!f.db().run("UPDATE TimeTableView SET UnavailableBackground = '255' WHERE ID = ?",
                    {s.timetableId}))
        qFatal("cannot set the colours");
    return s;
}

// "class,tutor,room,subject,special" of the cell's row; "" when it has none.
QString cellRow(TestFixture& f, const frmTableWindow& w, int row, int col) {
    Result<std::optional<QSqlRecord>> r = f.db().firstRow(
        "SELECT Slot.ClassID, Slot.TutorID, Slot.RoomID, Slot.SubjectID, Slot.SpecialID FROM Slot "
        "JOIN XTitle ON XTitle.StartTime = Slot.StartTime JOIN YTitle ON YTitle.DOW = Slot.DOW "
        "WHERE XTitle.ID = ? AND YTitle.ID = ? AND Slot.ClassID = ? ORDER BY Slot.ID",
        {w.g().ColData(col), w.g().RowData(row),
         scalar(f.db(), "SELECT ClassID FROM TimeTableView WHERE ID = ?", {w.Tag()})});
    if (!r || !r.value())
        return {};
    QStringList fields;
    for (int i = 0; i < 5; ++i)
        fields << r.value()->value(i).toString();
    return fields.join(',');
}

// From now on the fourth write to Slot or XTitle fails, as a full disk would.
void failFourthWrite(TestFixture& f) {
    QVERIFY(f.db().run("CREATE TABLE Writes (n INTEGER)"));
    QVERIFY(f.db().run("INSERT INTO Writes VALUES (0)"));
    for (const char* write :
         {"INSERT ON Slot", "UPDATE ON Slot", "DELETE ON Slot", "UPDATE ON XTitle"}) {
        QVERIFY(f.db().run(
            QStringLiteral("CREATE TRIGGER \"count %1\" BEFORE %1 BEGIN "
                           "UPDATE Writes SET n = n + 1; "
                           "SELECT RAISE(ABORT, 'disk full') WHERE (SELECT n FROM Writes) = 4; END")
                .arg(write)));
    }
}

QString blockRows(TestFixture& f, const frmTableWindow& w) {
    QStringList rows;
    for (int r = 1; r < w.g().Rows(); ++r)
        for (int c = 1; c < w.g().Cols(); ++c)
            rows << cellRow(f, w, r, c);
    return rows.join('|');
}

} // namespace

class tst_periods : public QObject {
    Q_OBJECT

private slots:
    void failedBlockWriteStopsAtTheFirstError();
    void failedCommandLeavesNothing_data();
    void failedCommandLeavesNothing();
    void oneCellWritesWithoutQuestion_data();
    void oneCellWritesWithoutQuestion();
    void blockAsksFirst_data();
    void blockAsksFirst();
    void blockIsWrittenFromTopLeftAndStaysSelected();
    void unavailableOnLessonKeepsTheRow();
    void lunchColumnOnAndOff();
    void sameSize_data();
    void sameSize();
};

void tst_periods::failedBlockWriteStopsAtTheFirstError() {
    TestFixture f;
    const School s = makeSchool(f);
    frmTableWindow* w = f.activateOpen(s.timetableId);
    QVERIFY(f.db().run(
        "CREATE TRIGGER refuse BEFORE INSERT ON Slot BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
    selectCells(w->g(), 2, 1, 3, 3);
    f.boxes.answers = {vb::vbYes};
    QVERIFY(f.trigger("mnuPeriodUnavailable"));
    QCOMPARE(f.boxes.calls.size(), 2); // the question, then one error
    QVERIFY(f.boxes.last().text.contains("disk full"));
    QCOMPARE(scalar(f.db(), "SELECT COUNT(*) FROM Slot"), 1);
}

void tst_periods::failedCommandLeavesNothing_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("lunchFirst");
    QTest::newRow("block of unavailable periods") << "mnuPeriodUnavailable" << false;
    QTest::newRow("set a lunch column") << "mnuFormatDefineLunchColumn" << false;
    QTest::newRow("remove a lunch column") << "mnuFormatDefineLunchColumn" << true;
}

void tst_periods::failedCommandLeavesNothing() {
    QFETCH(QString, item);
    QFETCH(bool, lunchFirst);
    TestFixture f;
    const School s = makeSchool(f);
    frmTableWindow* w = f.activateOpen(s.timetableId);
    QVERIFY(w);
    FlexGrid& g = w->g();
    if (lunchFirst) {
        selectCells(g, 1, 1);
        QVERIFY(f.trigger("mnuFormatDefineLunchColumn"));
    }
    const QString rowsBefore = blockRows(f, *w);
    const QString headerBefore = g.TextMatrix(0, 1);
    const int slotsBefore = slotCount(f.db());
    const bool undoBefore = f.main().menus().item("mnuEditUndo")->isEnabled();
    failFourthWrite(f);
    f.boxes.calls.clear();

    selectCells(g, 1, 1, 3, 2); // the lunch column commands take column 1 only
    QVERIFY(f.trigger(item));
    QCOMPARE(f.boxes.calls.size(), 2); // the question, then one error
    QVERIFY2(f.boxes.last().text.contains("disk full"), qPrintable(f.boxes.last().text));
    QCOMPARE(blockRows(f, *w), rowsBefore);
    QCOMPARE(slotCount(f.db()), slotsBefore);
    QCOMPARE(scalar(f.db(), "SELECT SpecialID FROM XTitle WHERE ID = ?", {g.ColData(1)}),
             lunchFirst ? 3 : 1);
    // The window shows what is stored, not the cells written before the failure.
    QCOMPARE(g.TextMatrix(0, 1), headerBefore);
    QCOMPARE(g.TextMatrix(1, 1), lunchFirst ? QString() : QStringLiteral("Ann\r\nMaths\r\nR1"));
    QCOMPARE(g.data().format(1, 2).backColor.has_value(), false);
    QCOMPARE(f.main().menus().item("mnuEditUndo")->isEnabled(), undoBefore);
    QCOMPARE(f.db().transactionDepth(), 0);
}

void tst_periods::oneCellWritesWithoutQuestion_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("special");
    QTest::newRow("period clear") << "mnuPeriodClear" << 1;
    QTest::newRow("edit clear") << "mnuEditClear" << 1;
    QTest::newRow("cell menu delete") << "mnuRightClickDelete" << 1;
    QTest::newRow("unavailable") << "mnuPeriodUnavailable" << 2;
    QTest::newRow("lunch") << "mnuPeriodLunch" << 3;
    QTest::newRow("break") << "mnuPeriodBreak" << 4;
}

void tst_periods::oneCellWritesWithoutQuestion() {
    QFETCH(QString, item);
    QFETCH(int, special);
    TestFixture f;
    const School s = makeSchool(f);
    frmTableWindow* w = f.activateOpen(s.timetableId);
    QVERIFY(w);
    selectCells(w->g(), 2, 2, 2, 2);
    QVERIFY(f.trigger(item));
    QVERIFY(f.boxes.calls.isEmpty());
    QCOMPARE(cellRow(f, *w, 2, 2), QStringLiteral("%1,1,1,1,%2").arg(s.c7A).arg(special));
    QCOMPARE(w->g().TextMatrix(2, 2).trimmed(), QString()); // an empty lesson is blank lines
    const std::optional<QColor> back = w->g().data().format(2, 2).backColor;
    QCOMPARE(back, std::optional<QColor>(special == 1 ? QColor(Qt::white) : UnavailableBack));
    QVERIFY(f.main().menus().item("mnuEditUndo")->isEnabled());
    QVERIFY(!f.state.KeepSpecialID);
    // The next click on a list writes an ordinary lesson again.
    f.main().picLeftBar().SelectTreeBarNodeById(TreeBars::Tutors, s.ann);
    QCOMPARE(cellRow(f, *w, 2, 2), QStringLiteral("%1,%2,1,1,1").arg(s.c7A).arg(s.ann));
}

void tst_periods::blockAsksFirst_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("question");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("special"); // 0: nothing written
    QTest::newRow("clear no") << "mnuPeriodClear"
                              << "Blank all selected periods?" << int(vb::vbNo) << 0;
    QTest::newRow("clear yes") << "mnuPeriodClear"
                               << "Blank all selected periods?" << int(vb::vbYes) << 1;
    QTest::newRow("unavailable cancel")
        << "mnuPeriodUnavailable"
        << "Make all selected periods unavailable?" << int(vb::vbCancel) << 0;
    QTest::newRow("unavailable yes")
        << "mnuPeriodUnavailable"
        << "Make all selected periods unavailable?" << int(vb::vbYes) << 2;
    QTest::newRow("break no") << "mnuPeriodBreak"
                              << "Make all selected periods breaks?" << int(vb::vbNo) << 0;
    QTest::newRow("break yes") << "mnuPeriodBreak"
                               << "Make all selected periods breaks?" << int(vb::vbYes) << 4;
    QTest::newRow("lunch never asks") << "mnuPeriodLunch"
                                      << "" << 0 << 3;
}

void tst_periods::blockAsksFirst() {
    QFETCH(QString, item);
    QFETCH(QString, question);
    QFETCH(int, answer);
    QFETCH(int, special);
    TestFixture f;
    const School s = makeSchool(f);
    frmTableWindow* w = f.activateOpen(s.timetableId);
    QVERIFY(w);
    const QString before = blockRows(f, *w);
    selectCells(w->g(), 1, 1, 3, 3);
    f.boxes.answers = {answer};
    QVERIFY(f.trigger(item));

    if (question.isEmpty()) {
        QVERIFY(f.boxes.calls.isEmpty());
    } else {
        QCOMPARE(f.boxes.calls.size(), 1);
        QCOMPARE(f.boxes.last().text, question);
        QCOMPARE(f.boxes.last().icon, int(vb::vbQuestion));
        QCOMPARE(f.boxes.last().buttons, int(vb::vbYesNoCancel));
    }
    if (special == 0) {
        QCOMPARE(blockRows(f, *w), before);
        return;
    }
    // Every cell holds the owner and the kind; the lesson's row was rewritten, not added to.
    QCOMPARE(slotCount(f.db()), 9);
    const QString cell = QStringLiteral("%1,1,1,1,%2").arg(s.c7A).arg(special);
    QCOMPARE(blockRows(f, *w), QStringList(9, cell).join('|'));
}

void tst_periods::blockIsWrittenFromTopLeftAndStaysSelected() {
    TestFixture f;
    const School s = makeSchool(f);
    frmTableWindow* w = f.activateOpen(s.timetableId);
    QVERIFY(w);
    FlexGrid& g = w->g();
    selectCells(g, 3, 3, 2, 2); // dragged from the bottom-right corner up to the top-left
    QVERIFY(f.trigger("mnuPeriodLunch"));

    QCOMPARE(g.Row(), 2);
    QCOMPARE(g.Col(), 2);
    QCOMPARE(g.RowSel(), 3);
    QCOMPARE(g.ColSel(), 3);
    QVERIFY(g.Redraw());
    QVERIFY(!QGuiApplication::overrideCursor());
    // New rows are numbered in the order they were written: row by row, left to right.
    QList<int> order;
    for (int r = 2; r <= 3; ++r)
        for (int c = 2; c <= 3; ++c)
            order << scalar(
                f.db(),
                "SELECT Slot.ID FROM Slot, XTitle, YTitle WHERE XTitle.ID = ? AND YTitle.ID = ? "
                "AND Slot.StartTime = XTitle.StartTime AND Slot.DOW = YTitle.DOW",
                {g.ColData(c), g.RowData(r)});
    QList<int> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    QCOMPARE(order, sorted);
    QCOMPARE(cellRow(f, *w, 1, 1),
             QStringLiteral("%1,%2,%3,%4,1").arg(s.c7A).arg(s.ann).arg(s.r1).arg(s.maths));
}

void tst_periods::unavailableOnLessonKeepsTheRow() {
    TestFixture f;
    const School s = makeSchool(f);
    const int ann = addTimetable(f.db(), "Tutor", s.ann, {"Mon"}, {{"09:00:00"}});
    frmTableWindow* w = f.activateOpen(s.timetableId);
    QVERIFY(w);
    QCOMPARE(w->g().TextMatrix(1, 1), QStringLiteral("Ann\r\nMaths\r\nR1"));
    selectCells(w->g(), 1, 1, 1, 1);
    QVERIFY(f.trigger("mnuPeriodUnavailable"));

    QCOMPARE(slotCount(f.db()), 1);
    QCOMPARE(scalar(f.db(),
                    "SELECT COUNT(*) FROM Slot WHERE ID = ? AND ClassID = ? AND TutorID = 1 AND "
                    "RoomID = 1 AND SubjectID = 1 AND SpecialID = 2",
                    {s.lessonId, s.c7A}),
             1);
    QCOMPARE(w->g().TextMatrix(1, 1), QString());
    QCOMPARE(w->g().data().format(1, 1).backColor, std::optional<QColor>(UnavailableBack));
    // The row was shared: Ann's timetable no longer shows the lesson.
    frmTableWindow* annWindow = f.activateOpen(ann);
    QVERIFY(annWindow);
    QCOMPARE(annWindow->g().TextMatrix(1, 1), QString());
}

void tst_periods::lunchColumnOnAndOff() {
    TestFixture f;
    const School s = makeSchool(f);
    // The header is the Special row's name, whatever it is.
    QVERIFY(f.db().run("UPDATE Special SET Name = 'Dinner' WHERE ID = 3"));
    frmTableWindow* w = f.activateOpen(s.timetableId);
    QVERIFY(w);
    FlexGrid& g = w->g();
    const int column = g.ColData(2);
    selectCells(g, 2, 2, 3, 3); // several columns: only the current one changes
    f.boxes.answers = {vb::vbNo, vb::vbYes};
    QVERIFY(f.trigger("mnuFormatDefineLunchColumn"));
    QCOMPARE(scalar(f.db(), "SELECT SpecialID FROM XTitle WHERE ID = ?", {column}), 1);
    QCOMPARE(slotCount(f.db()), 1);
    QVERIFY(f.trigger("mnuFormatDefineLunchColumn"));

    QCOMPARE(f.boxes.last().text, QStringLiteral("Set this column for a lunch break?"));
    QCOMPARE(scalar(f.db(), "SELECT SpecialID FROM XTitle WHERE ID = ?", {column}), 3);
    QCOMPARE(g.TextMatrix(0, 2), QStringLiteral("Dinner"));
    QCOMPARE(g.TextMatrix(0, 3), QStringLiteral("11:00 - 11:40"));
    const QString lunch = QStringLiteral("%1,1,1,1,3").arg(s.c7A);
    for (int r = 1; r <= 3; ++r) {
        QCOMPARE(cellRow(f, *w, r, 2), lunch);
        QCOMPARE(cellRow(f, *w, r, 3), QString());
    }
    QVERIFY(!QGuiApplication::overrideCursor());

    QVERIFY(f.trigger("mnuFormatDefineLunchColumn"));
    QCOMPARE(f.boxes.last().text, QStringLiteral("Remove the lunch break from this column?"));
    QCOMPARE(scalar(f.db(), "SELECT SpecialID FROM XTitle WHERE ID = ?", {column}), 1);
    QCOMPARE(g.TextMatrix(0, 2), QStringLiteral("10:00 - 10:40"));
    // Every day is left with an empty period of the class, not without a row.
    for (int r = 1; r <= 3; ++r)
        QCOMPARE(cellRow(f, *w, r, 2), QStringLiteral("%1,1,1,1,1").arg(s.c7A));
    QCOMPARE(slotCount(f.db()), 4);
}

void tst_periods::sameSize_data() {
    QTest::addColumn<bool>("columns");
    QTest::addColumn<int>("answer");
    QTest::newRow("columns yes") << true << int(vb::vbYes);
    QTest::newRow("columns no") << true << int(vb::vbNo);
    QTest::newRow("rows yes") << false << int(vb::vbYes);
    QTest::newRow("rows cancel") << false << int(vb::vbCancel);
}

void tst_periods::sameSize() {
    QFETCH(bool, columns);
    QFETCH(int, answer);
    TestFixture f;
    const School s = makeSchool(f);
    frmTableWindow* w = f.activateOpen(s.timetableId);
    QVERIFY(w);
    FlexGrid& g = w->g();
    const auto size = [&g, columns](int i) { return columns ? g.ColWidth(i) : g.RowHeight(i); };
    const auto setSize = [&g, columns](int i, int twips) {
        columns ? g.setColWidth(i, twips) : g.setRowHeight(i, twips);
    };
    setSize(0, 999);
    setSize(1, 700);
    setSize(2, 2000);
    setSize(3, 1300);
    selectCells(g, 2, 2, 2, 2);
    f.boxes.answers = {answer};
    QVERIFY(f.trigger(columns ? "mnuFormatSameSizeColumns" : "mnuFormatSameSizeRows"));

    QCOMPARE(f.boxes.last().text, columns ? QStringLiteral("Set all columns to the same width?")
                                          : QStringLiteral("Set all rows to the same height?"));
    const bool yes = answer == vb::vbYes;
    QCOMPARE(size(0), 999);
    QCOMPARE(size(1), yes ? 2000 : 700);
    QCOMPARE(size(2), 2000);
    QCOMPARE(size(3), yes ? 2000 : 1300);
}

QTEST_MAIN(tst_periods)
#include "tst_periods.moc"
