#include "TestData.h"
#include "TestFixture.h"

#include "app/TimetableDrawing.h"
#include "data/Geometry.h"

#include "app/frmMain.h"
#include "app/frmTableWindow.h"
#include "platform/ColorNumber.h"
#include "platform/FlexGrid.h"

#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

using namespace TestData;

namespace {

struct School : SmallSchool {
    int timetableId = 0;
};

// 7A's timetable: Mon, Tue, Wk 1 Mon by 9:00 (40), 11:30 (40), 12:30 lunch column (60).
School makeSchool(TestFixture& f, const QString& viewBy = "Class") {
    School s{addSmallSchool(f.db())};
    const int owner = viewBy == "Tutor" ? s.ann : viewBy == "Room" ? s.r1 : s.c7A;
    s.timetableId = addTimetable(f.db(), viewBy, owner, {"Mon", "Tue", "Wk 1 Mon"},
                                 {{"12:30:00", 60, 3}, {"09:00:00", 40, 1}, {"11:30:00", 40, 1}});
    addSlot(f.db(), {"09:00:00", "Mon", s.c7A, s.ann, s.r1, s.maths, 1});
    addSlot(f.db(), {"11:30:00", "Tue", viewBy == "Class" ? s.c7A : 1,
                     viewBy == "Tutor" ? s.ann : 1, viewBy == "Room" ? s.r1 : 1, 1, 2});
    return s;
}

frmTableWindow* openDrawn(TestFixture& f, int timetableId) {
    frmTableWindow* window = f.main().LoadTable(timetableId);
    if (window)
        f.main().RefreshTable(*window);
    return window;
}

} // namespace

class tst_drawing : public QObject {
    Q_OBJECT

private slots:
    void headersAndDays();
    void cellTextsByViewKind_data();
    void cellTextsByViewKind();
    void colours();
    void redrawKeepsSelectionQuietly();
    void geometrySurvivesReopening();
    void missingTimetableOpensNothing();
    void dropDownKeepsFirstItemPerTimetable();
    void emptyTimetables();
    void aGridOfItsOwnIsDrawnAsTheWindowIs();
    void badNumbersReadAsDefaults();
    void aWindowOpenedLaterFitsItsGrid();
};

void tst_drawing::headersAndDays() {
    TestFixture f;
    const School s = makeSchool(f);
    frmTableWindow* w = openDrawn(f, s.timetableId);
    QVERIFY(w);
    const FlexGrid& g = w->g();
    QCOMPARE(g.Cols(), 4);
    QCOMPARE(g.Rows(), 4);
    QCOMPARE(g.TextMatrix(0, 1), QStringLiteral("9:00 - 9:40"));
    QCOMPARE(g.TextMatrix(0, 2), QStringLiteral("11:30 - 12:10"));
    QCOMPARE(g.TextMatrix(0, 3), QStringLiteral("Lunch"));
    QCOMPARE(g.TextMatrix(1, 0), QStringLiteral("mon"));
    QCOMPARE(g.TextMatrix(2, 0), QStringLiteral("tue"));
    QCOMPARE(g.TextMatrix(3, 0), QStringLiteral("wk 1 mon"));
    const QList<int> columns = columnIds(f.db(), s.timetableId);
    QCOMPARE(g.ColData(1), columns[0]);
    QCOMPARE(g.RowData(3), dayIds(f.db(), s.timetableId)[2]);
    QCOMPARE(w->lblTitle().text(), QStringLiteral("Class 7A"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Class 7A"));
}

void tst_drawing::cellTextsByViewKind_data() {
    QTest::addColumn<QString>("viewBy");
    QTest::addColumn<QString>("text");
    QTest::newRow("class") << "Class"
                           << "Ann\r\nMaths\r\nR1";
    QTest::newRow("tutor") << "Tutor"
                           << "7A\r\nMaths\r\nR1";
    QTest::newRow("room") << "Room"
                          << "Ann\r\nMaths\r\n7A";
}

void tst_drawing::cellTextsByViewKind() {
    QFETCH(QString, viewBy);
    QFETCH(QString, text);
    TestFixture f;
    const School s = makeSchool(f, viewBy);
    frmTableWindow* w = openDrawn(f, s.timetableId);
    QCOMPARE(w->g().TextMatrix(1, 1), text);
    QCOMPARE(w->g().TextMatrix(2, 2), QString()); // unavailable
    QCOMPARE(w->g().TextMatrix(3, 1), QString()); // "Wk 1 Mon" is another day
}

void tst_drawing::colours() {
    TestFixture f;
    const School s = makeSchool(f);
    QVERIFY(f.db().run("UPDATE TimeTableView SET UnavailableBackground = '255', "
                       "UnavailableForeground = '65280', PeriodForeground = '16711680', "
                       "ColHeadForeground = '128', RowHeadForeground = '32768' WHERE ID = ?",
                       {s.timetableId}));
    frmTableWindow* w = openDrawn(f, s.timetableId);
    FlexGrid& g = w->g();
    const auto backAt = [&g](int r, int c) {
        g.setRow(r);
        g.setCol(c);
        return g.CellBackColor();
    };
    const auto foreAt = [&g](int r, int c) {
        g.setRow(r);
        g.setCol(c);
        return g.CellForeColor();
    };
    QCOMPARE(backAt(2, 2), std::optional<QColor>(QColor(255, 0, 0))); // unavailable cell
    QCOMPARE(backAt(1, 1), std::optional<QColor>(QColor(Qt::white))); // lesson
    QCOMPARE(foreAt(1, 1), std::optional<QColor>(QColor(0, 0, 255))); // period colour
    QCOMPARE(backAt(3, 3), std::optional<QColor>());                  // empty: grid default
    QCOMPARE(backAt(0, 3), std::optional<QColor>(QColor(255, 0, 0))); // lunch header
    QCOMPARE(foreAt(0, 3), std::optional<QColor>(QColor(0, 255, 0)));
    QCOMPARE(backAt(0, 1), std::optional<QColor>(QColor(Qt::white)));
    QCOMPARE(foreAt(0, 1), std::optional<QColor>(QColor(128, 0, 0)));
    QCOMPARE(g.ForeColorFixed(), QColor(0, 128, 0));
    QCOMPARE(g.GridColor(), QColor(0, 0, 255));
    QCOMPARE(g.GridColorFixed(), QColor(0, 0, 255));
}

void tst_drawing::redrawKeepsSelectionQuietly() {
    TestFixture f;
    const School s = makeSchool(f);
    frmTableWindow* w = openDrawn(f, s.timetableId);
    FlexGrid& g = w->g();
    g.setRow(3);
    g.setCol(3);
    g.setRowSel(1);
    g.setColSel(2);
    int loudEvents = 0;
    connect(&g, &FlexGrid::EnterCell, &g, [&] {
        if (f.state.GridEventsEnabled)
            ++loudEvents;
    });
    f.main().RefreshTable(*w);
    QCOMPARE(loudEvents, 0);
    QVERIFY(f.state.GridEventsEnabled);
    QVERIFY(g.Redraw());
    QCOMPARE(g.Row(), 3);
    QCOMPARE(g.Col(), 3);
    QCOMPARE(g.RowSel(), 1);
    QCOMPARE(g.ColSel(), 2);
}

void tst_drawing::geometrySurvivesReopening() {
    TestFixture f;
    const School s = makeSchool(f);
    frmTableWindow* w = openDrawn(f, s.timetableId);
    w->g().setColWidth(2, 2347);
    w->g().setRowHeight(1, 1111);
    w->g().setColWidth(0, 999);
    f.main().SaveTable(*w);
    f.main().mdiArea()->closeAllSubWindows();

    frmTableWindow* again = openDrawn(f, s.timetableId);
    QCOMPARE(again->g().ColWidth(2), 2347);
    QCOMPARE(again->g().RowHeight(1), 1111);
    QCOMPARE(again->g().ColWidth(0), 999);
    QCOMPARE(again->g().ColWidth(1), 1500); // untouched: still the default
    // Storing again without a change changes nothing.
    f.main().SaveTable(*again);
    QCOMPARE(scalar(f.db(), "SELECT Width FROM XTitle WHERE ID = ?", {again->g().ColData(2)}),
             2347);
}

void tst_drawing::missingTimetableOpensNothing() {
    TestFixture f;
    QVERIFY(!f.main().LoadTable(77));
    QVERIFY(f.main().mdiArea()->subWindowList().isEmpty());
    QVERIFY(f.main().viewTableMenu()->actions().isEmpty());
}

void tst_drawing::dropDownKeepsFirstItemPerTimetable() {
    TestFixture f;
    f.main(); // started before the timetables exist: none is reopened
    const School s = makeSchool(f);
    const int other = addTimetable(f.db(), "Tutor", s.ann, {"Mon"}, {{"09:00:00"}});
    openDrawn(f, s.timetableId);
    openDrawn(f, other);
    openDrawn(f, s.timetableId);
    const QList<QAction*> items = f.main().viewTableMenu()->actions();
    QCOMPARE(items.size(), 2);
    QCOMPARE(items[0]->text(), QStringLiteral("Tutor Ann"));
    QCOMPARE(items[0]->data().toString(), QStringLiteral("k%1").arg(other));
    QCOMPARE(items[1]->text(), QStringLiteral("Class 7A"));
    QCOMPARE(f.main().timetableWindows().size(), 3);
}

void tst_drawing::emptyTimetables() {
    TestFixture f;
    const int noPeriods =
        addTimetable(f.db(), "Class", addName(f.db(), "Class", "8B"), {"Mon", "Tue"}, {});
    const int noDays =
        addTimetable(f.db(), "Class", addName(f.db(), "Class", "8C"), {}, {{"09:00:00"}});
    frmTableWindow* a = openDrawn(f, noPeriods);
    QCOMPARE(a->g().Cols(), 1);
    QCOMPARE(a->g().Rows(), 3);
    frmTableWindow* b = openDrawn(f, noDays);
    QCOMPARE(b->g().Rows(), 1);
    QCOMPARE(b->g().Cols(), 2);
}

// What an image or a printer is given must be what the screen shows, cell by cell.
void tst_drawing::aGridOfItsOwnIsDrawnAsTheWindowIs() {
    TestFixture f;
    const School s = makeSchool(f);
    QVERIFY(f.db().run("UPDATE TimeTableView SET PeriodFont = 'Serif', PeriodFontSize = '11', "
                       "UnavailableBackground = '255', RowHeadFontSize = '7' WHERE ID = ?",
                       {s.timetableId}));
    FlexGrid& shown = openDrawn(f, s.timetableId)->g();
    Result<std::optional<TimetableContent>> content = TimetableStore::read(f.db(), s.timetableId);
    QVERIFY(content && content.value());
    FlexGrid offScreen;
    TimetableDrawing(*content.value()).drawGrid(offScreen);

    QCOMPARE(offScreen.Rows(), shown.Rows());
    QCOMPARE(offScreen.Cols(), shown.Cols());
    QCOMPARE(offScreen.GridColor(), shown.GridColor());
    QCOMPARE(offScreen.ForeColorFixed(), shown.ForeColorFixed());
    for (int r = 0; r < shown.Rows(); ++r) {
        QCOMPARE(offScreen.RowHeight(r), shown.RowHeight(r));
        for (int c = 0; c < shown.Cols(); ++c) {
            QCOMPARE(offScreen.ColWidth(c), shown.ColWidth(c));
            QCOMPARE(offScreen.TextMatrix(r, c), shown.TextMatrix(r, c));
            selectCells(shown, r, c);
            selectCells(offScreen, r, c);
            QCOMPARE(offScreen.CellBackColor(), shown.CellBackColor());
            QCOMPARE(offScreen.CellForeColor(), shown.CellForeColor());
            QCOMPARE(offScreen.CellFontName(), shown.CellFontName());
            QCOMPARE(offScreen.CellFontSize(), shown.CellFontSize());
        }
    }
    selectCells(offScreen, 1, 1);
    QCOMPARE(offScreen.CellFontName(), QStringLiteral("Serif"));
}

void tst_drawing::badNumbersReadAsDefaults() {
    TestFixture f;
    const School s = makeSchool(f);
    const QList<int> columns = columnIds(f.db(), s.timetableId);
    const QList<int> days = dayIds(f.db(), s.timetableId);
    // 35,791,395 minutes: too many seconds for 32 bits; the period ends 195 minutes into a day.
    QVERIFY(f.db().run("UPDATE XTitle SET Duration = 35791395, Width = 'nan' WHERE ID = ?",
                       {columns[0]}));
    QVERIFY(f.db().run("UPDATE XTitle SET Duration = 99999999999, Width = 1e300 WHERE ID = ?",
                       {columns[1]}));
    QVERIFY(f.db().run("UPDATE YTitle SET Height = 'nan' WHERE ID = ?", {days[0]}));
    QVERIFY(f.db().run("UPDATE YTitle SET Height = -40 WHERE ID = ?", {days[1]}));
    QVERIFY(
        f.db().run("UPDATE TimeTableView SET FixedRowHeight = 'nan', FixedColWidth = 99999999999 "
                   "WHERE ID = ?",
                   {s.timetableId}));
    frmTableWindow* w = openDrawn(f, s.timetableId);
    QVERIFY(w);
    const FlexGrid& g = w->g();
    QCOMPARE(g.TextMatrix(0, 1), QStringLiteral("9:00 - 12:15"));
    QCOMPARE(g.TextMatrix(0, 2), QStringLiteral("11:30 - 11:30")); // unreadable: no length
    QCOMPARE(g.ColWidth(1), Geometry::DefaultColWidth);
    QCOMPARE(g.ColWidth(2), Geometry::DefaultColWidth);
    QCOMPARE(g.RowHeight(1), Geometry::DefaultRowHeight);
    QCOMPARE(g.RowHeight(2), Geometry::DefaultRowHeight);
    QCOMPARE(g.RowHeight(0), Geometry::DefaultFixedRowHeight);
    QCOMPARE(g.ColWidth(0), Geometry::DefaultFixedColWidth);
}

// A window opened while the main window shows (from the open list or a wizard) is sized to its
// grid, as the windows reopened at start-up are.
void tst_drawing::aWindowOpenedLaterFitsItsGrid() {
    TestFixture f;
    const SmallSchool s = addSmallSchool(f.db());
    const int id =
        addTimetable(f.db(), "Class", s.c7A, {"Monday", "Tuesday"}, {{"09:00:00"}, {"10:00:00"}});
    f.main().resize(1000, 700);
    f.main().show();
    const frmTableWindow* window = f.openTimetable(id);
    QVERIFY(window->isVisible());
    QCOMPARE(window->size(), window->sizeHint());
}

QTEST_MAIN(tst_drawing)
#include "tst_drawing.moc"
