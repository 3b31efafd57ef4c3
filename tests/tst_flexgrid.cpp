#include "app/GridHelpers.h"
#include "data/Geometry.h"
#include "platform/FlexGrid.h"
#include "platform/FlexGridData.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QFocusEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <map>
#include <tuple>

namespace {

// A grid of `rows` x `cols`, shown at a fixed size so pixels and scrolling are predictable.
void shape(FlexGrid& grid, int rows, int cols, QSize size = {900, 700}) {
    grid.setRows(rows);
    grid.setCols(cols);
    grid.resize(size);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
}

void setFocused(FlexGrid& grid, bool focused) {
    if (!focused) {
        grid.clearFocus();
        return;
    }
    grid.setFocus();
    QTRY_VERIFY(grid.hasFocus());
}

QPoint insideCell(const FlexGrid& grid, int row, int col) {
    return {grid.colPos(col) + 5, grid.rowPos(row) + 5};
}

void sendMouse(FlexGrid& grid, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
    QMouseEvent event(type, at, grid.viewport()->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(grid.viewport(), &event);
}

// Counts the viewport's paint events.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

} // namespace

class tst_flexgrid : public QObject {
    Q_OBJECT

private slots:
    void freshGridHasDefaultShapeAndSizes();
    void outOfRangeValuesAreRefused_data();
    void outOfRangeValuesAreRefused();
    void enterCellOncePerRealChange();
    void selectionCollapsesAndExtends();
    void shapingKeepsCellsAndClamps();
    void sizesAreTwipsExactly_data();
    void sizesAreTwipsExactly();
    void unsetFormatFallsBack();
    void keysMoveTheCurrentCell_data();
    void keysMoveTheCurrentCell();
    void keyDownComesFirstAndOtherKeysOnlyRaiseIt();
    void keysScrollTheCellIntoView();
    void scrollBarsGoWhenTheGridGrowsToFitItsCells();
    void leftClickMakesCellCurrentThenClicks();
    void rightClickNeverMoves();
    void dragExtendsSelectionAndHeaderSelectsColumn();
    void draggingHeaderLinesResizes();
    void focusFromPopupsIsNotReported_data();
    void focusFromPopupsIsNotReported();
    void highLightShowsTheSelection_data();
    void highLightShowsTheSelection();
    void currentCellShownWithoutFocus_data();
    void currentCellShownWithoutFocus();
    void redrawOffPaintsNothingThenCatchesUpAtOnce();
    void paintAllDrawsEveryCellWithoutMarks();
    void pictureIsTheWholeGridAtScreenSize();
    void fixedColsIsZeroOrOne();
    void withoutFixedColumnColumnZeroIsABodyColumn();
    void withoutFixedColumnKeysAndScrollingReachColumnZero();
};

void tst_flexgrid::freshGridHasDefaultShapeAndSizes() {
    FlexGrid grid;
    QCOMPARE(grid.Rows(), 2);
    QCOMPARE(grid.Cols(), 2);
    QCOMPARE(grid.Row(), 1);
    QCOMPARE(grid.Col(), 1);
    QCOMPARE(grid.RowSel(), 1);
    QCOMPARE(grid.ColSel(), 1);
    QCOMPARE(grid.RowHeight(0), Geometry::DefaultFixedRowHeight);
    QCOMPARE(grid.RowHeight(1), Geometry::DefaultRowHeight);
    QCOMPARE(grid.ColWidth(0), Geometry::DefaultFixedColWidth);
    QCOMPARE(grid.ColWidth(1), Geometry::DefaultColWidth);
    QCOMPARE(grid.TopRow(), 1);
    QCOMPARE(grid.LeftCol(), 1);
    QCOMPARE(grid.RowData(1), 0);
    QCOMPARE(grid.ColData(1), 0);
    QCOMPARE(grid.HighLight(), int(flexHighlightAlways));
    QCOMPARE(grid.MouseRow(), -1);
    QVERIFY(grid.Redraw());
}

void tst_flexgrid::outOfRangeValuesAreRefused_data() {
    QTest::addColumn<QString>("what");
    QTest::addColumn<int>("value");
    QTest::newRow("row -1") << "Row" << -1;
    QTest::newRow("row = Rows") << "Row" << 3;
    QTest::newRow("col = Cols") << "Col" << 4;
    QTest::newRow("rowsel = Rows") << "RowSel" << 3;
    QTest::newRow("colsel -1") << "ColSel" << -1;
    QTest::newRow("toprow fixed") << "TopRow" << 0;
    QTest::newRow("leftcol = Cols") << "LeftCol" << 4;
    QTest::newRow("no rows") << "Rows" << 0;
    QTest::newRow("no cols") << "Cols" << 0;
}

void tst_flexgrid::outOfRangeValuesAreRefused() {
    QFETCH(QString, what);
    QFETCH(int, value);
    FlexGrid grid;
    grid.setRows(3);
    grid.setCols(4);
    QSignalSpy entered(&grid, &FlexGrid::EnterCell);
    const std::map<QString, std::function<bool()>> set = {
        {"Row", [&] { return grid.setRow(value); }},
        {"Col", [&] { return grid.setCol(value); }},
        {"RowSel", [&] { return grid.setRowSel(value); }},
        {"ColSel", [&] { return grid.setColSel(value); }},
        {"TopRow", [&] { return grid.setTopRow(value); }},
        {"LeftCol", [&] { return grid.setLeftCol(value); }},
        {"Rows", [&] { return grid.setRows(value), false; }},
        {"Cols", [&] { return grid.setCols(value), false; }},
    };
    QVERIFY(!set.at(what)());
    QCOMPARE(std::tuple(grid.Rows(), grid.Cols()), std::tuple(3, 4));
    QCOMPARE(std::tuple(grid.Row(), grid.Col(), grid.RowSel(), grid.ColSel()),
             std::tuple(1, 1, 1, 1));
    QCOMPARE(std::tuple(grid.TopRow(), grid.LeftCol()), std::tuple(1, 1));
    QCOMPARE(entered.count(), 0);
}

void tst_flexgrid::enterCellOncePerRealChange() {
    FlexGrid grid;
    grid.setRows(4);
    grid.setCols(4);
    QSignalSpy entered(&grid, &FlexGrid::EnterCell);
    grid.setRow(1);
    grid.setCol(1);
    QCOMPARE(entered.count(), 0);
    grid.setRow(0); // a fixed cell, as code does while filling headers
    QCOMPARE(entered.count(), 1);
    grid.setCol(3);
    QCOMPARE(entered.count(), 2);
    grid.setRedraw(false);
    grid.setRow(2);
    QCOMPARE(entered.count(), 3);
    grid.setRow(2);
    QCOMPARE(entered.count(), 3);
    QCOMPARE(std::pair(grid.Row(), grid.Col()), std::pair(2, 3));
}

void tst_flexgrid::selectionCollapsesAndExtends() {
    FlexGrid grid;
    grid.setRows(6);
    grid.setCols(6);
    QSignalSpy entered(&grid, &FlexGrid::EnterCell);
    grid.setRow(2);
    grid.setCol(2);
    QVERIFY(grid.setRowSel(4));
    QVERIFY(grid.setColSel(1));
    QCOMPARE(entered.count(), 2);
    QCOMPARE(std::pair(grid.Row(), grid.Col()), std::pair(2, 2));
    QVERIFY(grid.data().isSelected(4, 1));
    QVERIFY(grid.data().isSelected(3, 2));
    QVERIFY(!grid.data().isSelected(3, 3));
    QVERIFY(!grid.data().isSelected(5, 1));
    grid.setCol(2); // same cell: no EnterCell, but the selection still collapses
    QCOMPARE(entered.count(), 2);
    QCOMPARE(std::pair(grid.RowSel(), grid.ColSel()), std::pair(2, 2));
    QVERIFY(!grid.data().isSelected(4, 1));
}

void tst_flexgrid::shapingKeepsCellsAndClamps() {
    FlexGrid grid;
    grid.setCols(1); // the way the program builds a grid: one column at a time
    for (int c = 1; c <= 4; ++c) {
        grid.setCols(c + 1);
        grid.setRow(0);
        grid.setCol(c);
        grid.setText(QString("P%1").arg(c));
    }
    grid.setRows(6);
    QCOMPARE(grid.Cols(), 5);
    QCOMPARE(grid.ColWidth(0), Geometry::DefaultFixedColWidth);
    QCOMPARE(grid.ColWidth(4), Geometry::DefaultColWidth);
    QCOMPARE(grid.RowHeight(5), Geometry::DefaultRowHeight);
    QCOMPARE(grid.TextMatrix(0, 3), QStringLiteral("P3"));
    QCOMPARE(grid.TextMatrix(5, 4), QString());
    QVERIFY(!grid.data().format(5, 4).backColor);

    grid.setRow(5);
    grid.setCol(4);
    grid.setRowSel(1);
    grid.setColSel(1);
    grid.setTextMatrix(2, 2, "kept");
    QSignalSpy entered(&grid, &FlexGrid::EnterCell);
    grid.setRows(3);
    grid.setCols(3);
    QCOMPARE(entered.count(), 2);
    QCOMPARE(std::pair(grid.Row(), grid.Col()), std::pair(2, 2));
    QCOMPARE(std::pair(grid.RowSel(), grid.ColSel()), std::pair(1, 1));
    QCOMPARE(grid.TextMatrix(2, 2), QStringLiteral("kept"));
    grid.setRows(6);
    QCOMPARE(grid.TextMatrix(5, 2), QString()); // regrown cells start empty
}

void tst_flexgrid::sizesAreTwipsExactly_data() {
    QTest::addColumn<int>("twips");
    QTest::newRow("not a pixel multiple") << 1234;
    QTest::newRow("under a pixel") << 7;
    QTest::newRow("hidden") << 0;
    QTest::newRow("large") << 99999;
}

void tst_flexgrid::sizesAreTwipsExactly() {
    QFETCH(int, twips);
    FlexGrid grid;
    grid.setColWidth(1, twips);
    grid.setRowHeight(0, twips);
    QCOMPARE(grid.ColWidth(1), twips);
    QCOMPARE(grid.RowHeight(0), twips);
    grid.setColWidth(1, -5);
    QCOMPARE(grid.ColWidth(1), twips);
}

void tst_flexgrid::unsetFormatFallsBack() {
    FlexGrid grid;
    grid.setRows(3);
    grid.setCols(3);
    grid.setBackColor(Qt::yellow);
    grid.setForeColorFixed(Qt::darkBlue);
    grid.setColAlignment(2, flexAlignRightBottom);
    grid.setFixedAlignment(2, flexAlignCenterCenter);
    const FlexGridData& data = grid.data();

    grid.setRow(2);
    grid.setCol(2);
    QVERIFY(!grid.CellBackColor());
    QCOMPARE(data.backColorAt(2, 2), QColor(Qt::yellow));
    QCOMPARE(grid.CellAlignment(), int(flexAlignRightBottom));
    QCOMPARE(grid.CellFontName(), grid.font().family());
    grid.setCellBackColor(Qt::black);
    grid.setCellAlignment(flexAlignLeftTop);
    grid.setCellFontSize(14);
    QCOMPARE(grid.CellBackColor(), std::optional<QColor>(Qt::black));
    QCOMPARE(data.backColorAt(2, 2), QColor(Qt::black));
    QCOMPARE(grid.CellAlignment(), int(flexAlignLeftTop));
    QCOMPARE(grid.CellFontSize(), 14.0);
    QCOMPARE(data.fontAt(2, 2, grid.font()).pointSizeF(), 14.0);

    grid.setRow(0); // a fixed cell falls back to the fixed colours and alignment
    QVERIFY(!grid.CellForeColor());
    QCOMPARE(data.foreColorAt(0, 2), QColor(Qt::darkBlue));
    QCOMPARE(data.backColorAt(0, 2), grid.BackColorFixed());
    QCOMPARE(grid.CellAlignment(), int(flexAlignCenterCenter));
    QCOMPARE(data.alignmentAt(1, 1), int(flexAlignGeneral));
}

void tst_flexgrid::keysMoveTheCurrentCell_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("rowSel");
    QTest::addColumn<int>("colSel");
    // From (2, 3) in a grid of 6 x 9.
    const Qt::KeyboardModifiers none = Qt::NoModifier;
    QTest::newRow("down") << int(Qt::Key_Down) << none << 3 << 3 << 3 << 3;
    QTest::newRow("up") << int(Qt::Key_Up) << none << 1 << 3 << 1 << 3;
    QTest::newRow("left") << int(Qt::Key_Left) << none << 2 << 2 << 2 << 2;
    QTest::newRow("right") << int(Qt::Key_Right) << none << 2 << 4 << 2 << 4;
    QTest::newRow("home") << int(Qt::Key_Home) << none << 2 << 1 << 2 << 1;
    QTest::newRow("end") << int(Qt::Key_End) << none << 2 << 8 << 2 << 8;
    QTest::newRow("ctrl home") << int(Qt::Key_Home) << Qt::KeyboardModifiers(Qt::ControlModifier)
                               << 1 << 1 << 1 << 1;
    QTest::newRow("ctrl end") << int(Qt::Key_End) << Qt::KeyboardModifiers(Qt::ControlModifier) << 5
                              << 8 << 5 << 8;
    QTest::newRow("page down stops at the last row")
        << int(Qt::Key_PageDown) << none << 5 << 3 << 5 << 3;
    QTest::newRow("page up stops at the first body row")
        << int(Qt::Key_PageUp) << none << 1 << 3 << 1 << 3;
    QTest::newRow("shift right extends")
        << int(Qt::Key_Right) << Qt::KeyboardModifiers(Qt::ShiftModifier) << 2 << 3 << 2 << 4;
    QTest::newRow("shift up extends")
        << int(Qt::Key_Up) << Qt::KeyboardModifiers(Qt::ShiftModifier) << 2 << 3 << 1 << 3;
}

void tst_flexgrid::keysMoveTheCurrentCell() {
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(int, rowSel);
    QFETCH(int, colSel);
    FlexGrid grid;
    shape(grid, 6, 9, {400, 300});
    grid.setRow(2);
    grid.setCol(3);
    QSignalSpy entered(&grid, &FlexGrid::EnterCell);
    QTest::keyClick(&grid, Qt::Key(key), modifiers);
    QCOMPARE(std::pair(grid.Row(), grid.Col()), std::pair(row, col));
    QCOMPARE(std::pair(grid.RowSel(), grid.ColSel()), std::pair(rowSel, colSel));
    QCOMPARE(entered.count(), (row == 2 && col == 3) ? 0 : 1);
}

void tst_flexgrid::keyDownComesFirstAndOtherKeysOnlyRaiseIt() {
    FlexGrid grid;
    shape(grid, 4, 4);
    QStringList events;
    connect(&grid, &FlexGrid::KeyDown, [&](int key, Qt::KeyboardModifiers, const QString& text) {
        events << QString("KeyDown %1 %2").arg(key).arg(text);
    });
    connect(&grid, &FlexGrid::EnterCell, [&] { events << "EnterCell"; });
    QTest::keyClick(&grid, Qt::Key_Down);
    QTest::keyClick(&grid, Qt::Key_M);
    QTest::keyClick(&grid, Qt::Key_Up); // already at the first body row: no move
    QTest::keyClick(&grid, Qt::Key_Up);
    QCOMPARE(events, QStringList({QString("KeyDown %1 ").arg(Qt::Key_Down), "EnterCell",
                                  QString("KeyDown %1 m").arg(Qt::Key_M),
                                  QString("KeyDown %1 ").arg(Qt::Key_Up), "EnterCell",
                                  QString("KeyDown %1 ").arg(Qt::Key_Up)}));
    QCOMPARE(std::pair(grid.Row(), grid.Col()), std::pair(1, 1));
}

void tst_flexgrid::scrollBarsGoWhenTheGridGrowsToFitItsCells() {
    FlexGrid grid;
    shape(grid, 4, 6, {120, 90});
    QVERIFY(grid.horizontalScrollBar()->isVisible());
    QVERIFY(grid.verticalScrollBar()->isVisible());
    // Room for every cell, but not for the cells and both bars at once.
    grid.resize(grid.fullSizePixels() + QSize(2, 2) * grid.frameWidth());
    QTRY_VERIFY(!grid.horizontalScrollBar()->isVisible());
    QVERIFY(!grid.verticalScrollBar()->isVisible());
    QCOMPARE(std::pair(grid.TopRow(), grid.LeftCol()), std::pair(1, 1));
}

void tst_flexgrid::keysScrollTheCellIntoView() {
    FlexGrid grid;
    shape(grid, 30, 20, {400, 300});
    QTest::keyClick(&grid, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(std::pair(grid.Row(), grid.Col()), std::pair(29, 19));
    QVERIFY(grid.TopRow() > 1);
    QVERIFY(grid.LeftCol() > 1);
    QVERIFY(grid.rowPos(29) > 0);
    QVERIFY(grid.colPos(19) > 0);
    QCOMPARE(grid.rowPos(1), -1);
    QCOMPARE(grid.colPos(0), 0);
    QCOMPARE(grid.verticalScrollBar()->value(), grid.TopRow() - 1);
    // The last row and column are shown whole.
    QVERIFY(grid.rowPos(29) + Twips::toPixels(grid.RowHeight(29)) <= grid.viewport()->height());
    QVERIFY(grid.colPos(19) + Twips::toPixels(grid.ColWidth(19)) <= grid.viewport()->width());

    QTest::keyClick(&grid, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(std::pair(grid.TopRow(), grid.LeftCol()), std::pair(1, 1));
    grid.verticalScrollBar()->setValue(4); // a scroll bar moves whole rows
    QCOMPARE(grid.TopRow(), 5);
    QCOMPARE(grid.rowPos(5), Twips::toPixels(grid.RowHeight(0)));
}

void tst_flexgrid::leftClickMakesCellCurrentThenClicks() {
    FlexGrid grid;
    shape(grid, 5, 5);
    QStringList events;
    connect(&grid, &FlexGrid::EnterCell, [&] { events << "EnterCell"; });
    connect(&grid, &FlexGrid::MouseUp, [&] { events << "MouseUp"; });
    connect(&grid, &FlexGrid::Click, [&] { events << "Click"; });
    connect(&grid, &FlexGrid::DblClick, [&] { events << "DblClick"; });

    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, insideCell(grid, 3, 2));
    QCOMPARE(std::pair(grid.Row(), grid.Col()), std::pair(3, 2));
    QCOMPARE(std::pair(grid.MouseRow(), grid.MouseCol()), std::pair(3, 2));
    QCOMPARE(events, QStringList({"EnterCell", "MouseUp", "Click"}));

    events.clear();
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, insideCell(grid, 3, 2));
    QCOMPARE(events, QStringList({"MouseUp", "Click"}));

    events.clear();
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, insideCell(grid, 3, 2));
    QVERIFY(events.contains("DblClick"));

    events.clear();
    const QPoint outside(grid.viewport()->width() - 2, grid.viewport()->height() - 2);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, outside);
    QCOMPARE(std::pair(grid.MouseRow(), grid.MouseCol()), std::pair(-1, -1));
    QCOMPARE(std::pair(grid.Row(), grid.Col()), std::pair(3, 2));
    QCOMPARE(events, QStringList({"MouseUp"}));
}

void tst_flexgrid::rightClickNeverMoves() {
    FlexGrid grid;
    shape(grid, 5, 5);
    QSignalSpy entered(&grid, &FlexGrid::EnterCell);
    QSignalSpy clicked(&grid, &FlexGrid::Click);
    QSignalSpy released(&grid, &FlexGrid::MouseUp);
    const QPoint at = insideCell(grid, 4, 4);
    QTest::mouseClick(grid.viewport(), Qt::RightButton, {}, at);
    QCOMPARE(std::pair(grid.Row(), grid.Col()), std::pair(1, 1));
    QCOMPARE(std::pair(grid.MouseRow(), grid.MouseCol()), std::pair(4, 4));
    QCOMPARE(entered.count(), 0);
    QCOMPARE(clicked.count(), 0);
    QCOMPARE(released.count(), 1);
    QCOMPARE(released[0][0].value<Qt::MouseButton>(), Qt::RightButton);
    QCOMPARE(released[0][2].toPoint(), at);
}

void tst_flexgrid::dragExtendsSelectionAndHeaderSelectsColumn() {
    FlexGrid grid;
    shape(grid, 5, 6);
    sendMouse(grid, QEvent::MouseButtonPress, insideCell(grid, 1, 2), Qt::LeftButton,
              Qt::LeftButton);
    sendMouse(grid, QEvent::MouseMove, insideCell(grid, 3, 4), Qt::NoButton, Qt::LeftButton);
    sendMouse(grid, QEvent::MouseButtonRelease, insideCell(grid, 3, 4), Qt::LeftButton,
              Qt::NoButton);
    QCOMPARE(std::pair(grid.Row(), grid.Col()), std::pair(1, 2));
    QCOMPARE(std::pair(grid.RowSel(), grid.ColSel()), std::pair(3, 4));

    QSignalSpy clicked(&grid, &FlexGrid::Click);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, insideCell(grid, 0, 3) + QPoint(10, 0));
    QCOMPARE(std::pair(grid.Row(), grid.Col()), std::pair(1, 3));
    QCOMPARE(std::pair(grid.RowSel(), grid.ColSel()), std::pair(4, 3));
    QCOMPARE(clicked.count(), 1);
}

void tst_flexgrid::draggingHeaderLinesResizes() {
    FlexGrid grid;
    shape(grid, 5, 5);
    const int rightOfCol2 = grid.colPos(3) - 1;
    const int headerMiddle = Twips::toPixels(grid.RowHeight(0)) / 2;
    const int rowHeightBefore = grid.RowHeight(2);
    sendMouse(grid, QEvent::MouseMove, {rightOfCol2, headerMiddle}, Qt::NoButton, Qt::NoButton);
    QCOMPARE(grid.viewport()->cursor().shape(), Qt::SplitHCursor);
    sendMouse(grid, QEvent::MouseButtonPress, {rightOfCol2, headerMiddle}, Qt::LeftButton,
              Qt::LeftButton);
    sendMouse(grid, QEvent::MouseMove, {rightOfCol2 + 30, headerMiddle}, Qt::NoButton,
              Qt::LeftButton);
    sendMouse(grid, QEvent::MouseButtonRelease, {rightOfCol2 + 30, headerMiddle}, Qt::LeftButton,
              Qt::NoButton);
    const int newPixels = rightOfCol2 + 30 - grid.colPos(2);
    QCOMPARE(grid.ColWidth(2), Twips::fromPixels(newPixels));
    QCOMPARE(std::pair(grid.Row(), grid.Col()), std::pair(1, 1)); // a resize moves no cell

    // Rows resize from the day headers, and never below a few pixels.
    const int belowRow2 = grid.rowPos(3);
    sendMouse(grid, QEvent::MouseButtonPress, {10, belowRow2}, Qt::LeftButton, Qt::LeftButton);
    sendMouse(grid, QEvent::MouseMove, {10, 0}, Qt::NoButton, Qt::LeftButton);
    sendMouse(grid, QEvent::MouseButtonRelease, {10, 0}, Qt::LeftButton, Qt::NoButton);
    QVERIFY(grid.RowHeight(2) < rowHeightBefore);
    QVERIFY(grid.RowHeight(2) >= Twips::fromPixels(3));
}

void tst_flexgrid::focusFromPopupsIsNotReported_data() {
    QTest::addColumn<Qt::FocusReason>("reason");
    QTest::addColumn<int>("reported");
    QTest::newRow("mouse") << Qt::MouseFocusReason << 1;
    QTest::newRow("tab") << Qt::TabFocusReason << 1;
    QTest::newRow("menu or popup") << Qt::PopupFocusReason << 0;
    QTest::newRow("message box") << Qt::ActiveWindowFocusReason << 0;
}

void tst_flexgrid::focusFromPopupsIsNotReported() {
    QFETCH(Qt::FocusReason, reason);
    QFETCH(int, reported);
    FlexGrid grid;
    QSignalSpy got(&grid, &FlexGrid::GotFocus);
    QSignalSpy lost(&grid, &FlexGrid::LostFocus);
    QFocusEvent in(QEvent::FocusIn, reason);
    QApplication::sendEvent(&grid, &in);
    QFocusEvent out(QEvent::FocusOut, reason);
    QApplication::sendEvent(&grid, &out);
    QCOMPARE(got.count(), reported);
    QCOMPARE(lost.count(), reported);
}

void tst_flexgrid::highLightShowsTheSelection_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("focused");
    QTest::addColumn<bool>("shown");
    QTest::newRow("never") << int(flexHighlightNever) << true << false;
    QTest::newRow("always") << int(flexHighlightAlways) << false << true;
    QTest::newRow("with focus, focused") << int(flexHighlightWithFocus) << true << true;
    QTest::newRow("with focus, unfocused") << int(flexHighlightWithFocus) << false << false;
}

void tst_flexgrid::highLightShowsTheSelection() {
    QFETCH(int, mode);
    QFETCH(bool, focused);
    QFETCH(bool, shown);
    FlexGrid grid;
    shape(grid, 4, 4);
    setFocused(grid, focused);
    grid.setHighLight(mode);
    grid.setRowSel(2);
    const QImage image = grid.viewport()->grab().toImage();
    const QPoint selected = insideCell(grid, 2, 1) + QPoint(20, 20);
    const QPoint current = insideCell(grid, 1, 1) + QPoint(20, 20);
    QCOMPARE(image.pixelColor(selected) == grid.BackColorSel(), shown);
    QCOMPARE(image.pixelColor(current), grid.BackColor()); // the current cell stays plain
}

void tst_flexgrid::currentCellShownWithoutFocus_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("focused");
    QTest::addColumn<bool>("highlighted"); // the current cell
    QTest::newRow("unfocused") << int(flexHighlightAlways) << false << true;
    QTest::newRow("focused: the focus rectangle marks it")
        << int(flexHighlightAlways) << true << false;
    QTest::newRow("highlight never") << int(flexHighlightNever) << false << false;
    QTest::newRow("highlight with focus, unfocused")
        << int(flexHighlightWithFocus) << false << false;
}

void tst_flexgrid::currentCellShownWithoutFocus() {
    QFETCH(int, mode);
    QFETCH(bool, focused);
    QFETCH(bool, highlighted);
    FlexGrid grid;
    shape(grid, 4, 4);
    grid.setCurrentShownWithoutFocus(true);
    grid.setHighLight(mode);
    setFocused(grid, focused);
    grid.setRow(2);
    grid.setCol(2);
    const QImage image = grid.viewport()->grab().toImage();
    const QPoint current = insideCell(grid, 2, 2) + QPoint(20, 20);
    QCOMPARE(image.pixelColor(current), highlighted ? grid.BackColorSel() : grid.BackColor());
    QCOMPARE(image.pixelColor(insideCell(grid, 1, 1) + QPoint(20, 20)), grid.BackColor());
}

// Redraw off is how a command changes hundreds of cells without the grid flickering: nothing
// is painted meanwhile, and turning it back on catches up at once rather than cell by cell. The
// display platform may add a paint of its own (an expose), so the catch-up is bounded, not
// counted exactly.
void tst_flexgrid::redrawOffPaintsNothingThenCatchesUpAtOnce() {
    FlexGrid grid;
    shape(grid, 11, 41);
    QCoreApplication::processEvents();
    PaintCounter counter;
    grid.viewport()->installEventFilter(&counter);
    grid.setRedraw(false);
    for (int r = 1; r < 11; ++r) {
        for (int c = 1; c < 41; ++c) {
            grid.setRow(r);
            grid.setCol(c);
            grid.setText("x");
            grid.setCellBackColor(Qt::cyan);
        }
    }
    QCoreApplication::processEvents();
    QCOMPARE(counter.paints, 0);
    grid.setRedraw(true);
    QTRY_VERIFY(counter.paints >= 1);
    QCoreApplication::processEvents();
    QVERIFY2(counter.paints <= 3, qPrintable(QString::number(counter.paints)));
}

void tst_flexgrid::paintAllDrawsEveryCellWithoutMarks() {
    FlexGrid grid;
    grid.setRows(4);
    grid.setCols(12); // wider than the widget: paintAll still draws every column
    grid.setRow(3);
    grid.setCol(11);
    grid.setCellBackColor(Qt::red);
    grid.setRowSel(1);
    grid.setColSel(9); // a selection, which the bitmap must not show

    for (const double scale : {1.0, 2.0}) {
        const double pixelsPerTwip = scale / Twips::perPixel();
        const QSize size = grid.fullSizePixels() * scale;
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::green);
        QPainter painter(&image);
        grid.paintAll(painter, pixelsPerTwip);
        painter.end();
        const auto at = [&](int twipsX, int twipsY) {
            return image.pixelColor(int(twipsX * pixelsPerTwip), int(twipsY * pixelsPerTwip));
        };
        const int col11 = 1200 + 10 * 1500;
        const int row3 = 570 + 2 * 1050;
        QCOMPARE(at(col11 + 300, row3 + 300), QColor(Qt::red));
        QCOMPARE(at(1200 + 9 * 1500 + 300, 570 + 1050 + 300), grid.BackColor());
        QCOMPARE(at(300, 300), grid.BackColorFixed());
        QCOMPARE(image.pixelColor(size.width() - 1, size.height() - 1), grid.GridColor());
    }
}

void tst_flexgrid::pictureIsTheWholeGridAtScreenSize() {
    FlexGrid grid;
    grid.resize(200, 100); // far smaller than the grid: the picture still holds all of it
    grid.setRows(30);
    grid.setCols(15);
    grid.setColWidth(14, 3000);
    grid.setRow(29);
    grid.setCol(14);
    grid.setCellBackColor(Qt::blue);
    grid.setRow(1);
    grid.setCol(1); // the current cell, which must not be marked

    const QImage image = grid.picture();
    QCOMPARE(image.size(), grid.fullSizePixels());
    const auto at = [&](int twipsX, int twipsY) {
        return image.pixelColor(Twips::toPixels(twipsX), Twips::toPixels(twipsY));
    };
    const int col14 = 1200 + 13 * 1500;
    const int row29 = 570 + 28 * 1050;
    QCOMPARE(at(col14 + 1500, row29 + 500), QColor(Qt::blue));
    QCOMPARE(at(1200 + 500, 570 + 500), grid.BackColor());
    QCOMPARE(at(500, 570 + 500), grid.BackColorFixed());
}

void tst_flexgrid::fixedColsIsZeroOrOne() {
    FlexGrid grid;
    grid.setCols(4);
    QCOMPARE(grid.FixedCols(), 1);
    QVERIFY(!grid.setLeftCol(0));
    QVERIFY(!grid.setFixedCols(2));
    QVERIFY(!grid.setFixedCols(-1));
    QCOMPARE(grid.FixedCols(), 1);
    QVERIFY(grid.setLeftCol(2));
    QVERIFY(grid.setFixedCols(0));
    QCOMPARE(grid.LeftCol(), 0); // back to the first column
    QVERIFY(grid.setLeftCol(0));
    const FlexGridData& data = grid.data();
    QVERIFY(data.isFixed(0, 0));
    QVERIFY(!data.isFixed(1, 0));
    QCOMPARE(data.backColorAt(1, 0), grid.BackColor());
    QCOMPARE(data.backColorAt(0, 1), grid.BackColorFixed());
    QVERIFY(grid.setFixedCols(1));
    QCOMPARE(grid.LeftCol(), 1);
    QVERIFY(data.isFixed(1, 0));
}

void tst_flexgrid::withoutFixedColumnColumnZeroIsABodyColumn() {
    FlexGrid grid;
    grid.setFixedCols(0);
    shape(grid, 4, 2);
    grid.setColWidth(0, 2800);
    grid.setColWidth(1, 1500);
    QCOMPARE(grid.colPos(0), 0);
    QCOMPARE(grid.colPos(1), Twips::toPixels(2800));

    QSignalSpy clicked(&grid, &FlexGrid::Click);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, insideCell(grid, 2, 0));
    QCOMPARE(std::pair(grid.Row(), grid.Col()), std::pair(2, 0));
    QCOMPARE(clicked.count(), 1);
    // Column 0 has no row headers: a press on a row line there selects, it does not resize.
    const int heightBefore = grid.RowHeight(2);
    sendMouse(grid, QEvent::MouseButtonPress, {10, grid.rowPos(3)}, Qt::LeftButton, Qt::LeftButton);
    sendMouse(grid, QEvent::MouseMove, {10, grid.rowPos(3) + 30}, Qt::NoButton, Qt::LeftButton);
    sendMouse(grid, QEvent::MouseButtonRelease, {10, grid.rowPos(3) + 30}, Qt::LeftButton,
              Qt::NoButton);
    QCOMPARE(grid.RowHeight(2), heightBefore);
    QCOMPARE(std::pair(grid.Row(), grid.Col()), std::pair(3, 0));
    // A column header selects its column, column 0 too.
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, insideCell(grid, 0, 0) + QPoint(10, 0));
    QCOMPARE(std::pair(grid.Row(), grid.Col()), std::pair(1, 0));
    QCOMPARE(std::pair(grid.RowSel(), grid.ColSel()), std::pair(3, 0));

    // The selection across both columns is drawn in column 0 as in any body column.
    grid.setRow(1);
    grid.setCol(0);
    grid.setRowSel(2);
    grid.setColSel(1);
    const QImage image = grid.viewport()->grab().toImage();
    QCOMPARE(image.pixelColor(insideCell(grid, 2, 0) + QPoint(20, 20)), grid.BackColorSel());
    QCOMPARE(image.pixelColor(insideCell(grid, 2, 1) + QPoint(20, 20)), grid.BackColorSel());
    QCOMPARE(image.pixelColor(insideCell(grid, 1, 0) + QPoint(20, 20)), grid.BackColor());
    QCOMPARE(image.pixelColor(insideCell(grid, 0, 0) + QPoint(5, 5)), grid.BackColorFixed());

    QCOMPARE(GetGridColAtX(grid, 0), 0);
    QCOMPARE(GetGridColAtX(grid, 2799), 0);
    QCOMPARE(GetGridColAtX(grid, 2800), 1);
    QCOMPARE(GetGridColAtX(grid, 4300), -1);
}

void tst_flexgrid::withoutFixedColumnKeysAndScrollingReachColumnZero() {
    FlexGrid grid;
    grid.setFixedCols(0);
    shape(grid, 5, 20, {400, 300});
    grid.setRow(2);
    grid.setCol(1);
    QTest::keyClick(&grid, Qt::Key_Left);
    QCOMPARE(grid.Col(), 0);
    QTest::keyClick(&grid, Qt::Key_Left);
    QCOMPARE(grid.Col(), 0);
    QTest::keyClick(&grid, Qt::Key_End);
    QCOMPARE(grid.Col(), 19);
    QVERIFY(grid.LeftCol() > 0);
    QCOMPARE(grid.colPos(0), -1); // scrolled away: no fixed column stays at the left
    QCOMPARE(grid.horizontalScrollBar()->value(), grid.LeftCol());
    QVERIFY(grid.colPos(19) + Twips::toPixels(grid.ColWidth(19)) <= grid.viewport()->width());
    QTest::keyClick(&grid, Qt::Key_Home);
    QCOMPARE(std::pair(grid.Col(), grid.LeftCol()), std::pair(0, 0));
    QCOMPARE(grid.colPos(0), 0);
    grid.horizontalScrollBar()->setValue(3);
    QCOMPARE(grid.LeftCol(), 3);
    QCOMPARE(grid.colPos(3), 0);
    QCOMPARE(GetGridColAtX(grid, 0), 3);

    // The whole-grid picture starts at column 0 with no fixed column.
    grid.setColWidth(0, 600);
    QCOMPARE(grid.fullSizePixels().width(),
             Twips::toPixels(600) + 19 * Twips::toPixels(Geometry::DefaultColWidth));
}

QTEST_MAIN(tst_flexgrid)
#include "tst_flexgrid.moc"
