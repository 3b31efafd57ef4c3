#include "FlexGrid.h"

#include "platform/FlexGridData.h"
#include "platform/FlexGridLayout.h"
#include "platform/FlexGridPainter.h"
#include "platform/Twips.h"

#include <QFocusEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace {

// How near a header line the pointer must be to resize, and the smallest size a drag leaves.
constexpr int ResizeGripPixels = 2;
constexpr int MinimumDragPixels = 4;

std::vector<int> pixelSizes(int count, int (FlexGridData::*sizeOf)(int) const,
                            const FlexGridData& data) {
    std::vector<int> sizes(count);
    for (int i = 0; i < count; ++i) {
        sizes[i] = Twips::toPixels((data.*sizeOf)(i));
    }
    return sizes;
}

// The first index to show so that `target` is shown whole (or at least first) from `first`.
int firstShowing(const std::vector<int>& sizes, int available, int first, int target) {
    if (target < first) {
        return target;
    }
    long long used = 0;
    for (int i = first; i <= target; ++i) {
        used += sizes[i];
    }
    while (first < target && used > available) {
        used -= sizes[first];
        ++first;
    }
    return first;
}

// Scrollable rows or columns shown whole within `extent` pixels, at least one: a page.
int wholeShown(const std::vector<FlexGridLayout::Span>& spans, int fixed, int extent) {
    const auto whole = std::count_if(spans.begin(), spans.end(), [fixed, extent](const auto& span) {
        return span.index >= fixed && span.end() <= extent;
    });
    return std::max(1, static_cast<int>(whole));
}

// The pixels taken by the first `fixed` sizes.
int fixedExtent(const std::vector<int>& sizes, int fixed) {
    int extent = 0;
    for (int i = 0; i < fixed && i < static_cast<int>(sizes.size()); ++i) {
        extent += sizes[i];
    }
    return extent;
}

// A menu, a popup or a message box takes the focus only for a while: not a real loss. The menu
// bar takes it when Alt puts it into keyboard mode, and gives it back on leaving.
bool reportsFocusChange(Qt::FocusReason reason) {
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason &&
           reason != Qt::MenuBarFocusReason;
}

long long total(const std::vector<int>& sizes) {
    return std::accumulate(sizes.begin(), sizes.end(), 0LL);
}

// The room the cells have with the scroll bars they need. A bar is counted only where the
// cells do not fit, so bars shown at an earlier, smaller size do not keep themselves.
QSize roomForCells(QSize inside, int bar, long long width, long long height) {
    const bool wide = width > inside.width();
    if (wide)
        inside.rheight() -= bar;
    if (height > inside.height()) {
        inside.rwidth() -= bar;
        if (!wide && width > inside.width())
            inside.rheight() -= bar;
    }
    return inside;
}

} // namespace

FlexGrid::FlexGrid(QWidget* parent)
    : QAbstractScrollArea(parent), m_data(std::make_unique<FlexGridData>()) {
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    viewport()->setBackgroundRole(QPalette::Dark);
    verticalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setSingleStep(1);
    updateScrollBars();
}

FlexGrid::~FlexGrid() = default;

const FlexGridData& FlexGrid::data() const {
    return *m_data;
}

FlexGridLayout FlexGrid::visibleLayout() const {
    return FlexGridLayout::visible(*m_data, Twips::perPixel(), viewport()->size());
}

void FlexGrid::refresh() {
    viewport()->update(); // a no-op while Redraw is off: its updates are disabled
}

void FlexGrid::shapeChanged() {
    updateScrollBars();
    refresh();
}

// --- shape ---

int FlexGrid::Rows() const {
    return m_data->rows();
}

void FlexGrid::setRows(int rows) {
    const int before = m_data->row();
    if (!m_data->setRows(rows)) {
        return;
    }
    shapeChanged();
    if (before != m_data->row()) {
        emit EnterCell();
    }
}

int FlexGrid::Cols() const {
    return m_data->cols();
}

void FlexGrid::setCols(int cols) {
    const int before = m_data->col();
    if (!m_data->setCols(cols)) {
        return;
    }
    shapeChanged();
    if (before != m_data->col()) {
        emit EnterCell();
    }
}

int FlexGrid::FixedCols() const {
    return m_data->fixedCols();
}

bool FlexGrid::setFixedCols(int fixedCols) {
    if (!m_data->setFixedCols(fixedCols)) {
        return false;
    }
    shapeChanged();
    return true;
}

int FlexGrid::TopRow() const {
    return m_data->topRow();
}

bool FlexGrid::setTopRow(int row) {
    if (!m_data->setTopRow(row)) {
        return false;
    }
    shapeChanged();
    return true;
}

int FlexGrid::LeftCol() const {
    return m_data->leftCol();
}

bool FlexGrid::setLeftCol(int col) {
    if (!m_data->setLeftCol(col)) {
        return false;
    }
    shapeChanged();
    return true;
}

// --- current cell and selection ---

int FlexGrid::Row() const {
    return m_data->row();
}

bool FlexGrid::setRow(int row) {
    if (row < 0 || row >= m_data->rows()) {
        return false;
    }
    moveCurrent(row, m_data->col());
    return true;
}

int FlexGrid::Col() const {
    return m_data->col();
}

bool FlexGrid::setCol(int col) {
    if (col < 0 || col >= m_data->cols()) {
        return false;
    }
    moveCurrent(m_data->row(), col);
    return true;
}

void FlexGrid::moveCurrent(int row, int col) {
    const bool moved = row != m_data->row() || col != m_data->col();
    m_data->setCurrent(row, col);
    refresh();
    if (moved) {
        emit EnterCell();
    }
}

int FlexGrid::RowSel() const {
    return m_data->rowSel();
}

bool FlexGrid::setRowSel(int row) {
    const bool done = m_data->setRowSel(row);
    refresh();
    return done;
}

int FlexGrid::ColSel() const {
    return m_data->colSel();
}

bool FlexGrid::setColSel(int col) {
    const bool done = m_data->setColSel(col);
    refresh();
    return done;
}

// --- text and data ---

QString FlexGrid::TextMatrix(int row, int col) const {
    return m_data->text(row, col);
}

void FlexGrid::setTextMatrix(int row, int col, const QString& text) {
    if (m_data->setText(row, col, text)) {
        refresh();
    }
}

void FlexGrid::clearCell(int row, int col) {
    if (m_data->clearCell(row, col)) {
        refresh();
    }
}

QString FlexGrid::Text() const {
    return m_data->text(m_data->row(), m_data->col());
}

void FlexGrid::setText(const QString& text) {
    setTextMatrix(m_data->row(), m_data->col(), text);
}

int FlexGrid::RowData(int row) const {
    return m_data->rowData(row);
}

void FlexGrid::setRowData(int row, int value) {
    m_data->setRowData(row, value);
}

int FlexGrid::ColData(int col) const {
    return m_data->colData(col);
}

void FlexGrid::setColData(int col, int value) {
    m_data->setColData(col, value);
}

// --- sizes ---

int FlexGrid::ColWidth(int col) const {
    return m_data->colWidth(col);
}

void FlexGrid::setColWidth(int col, int twips) {
    if (m_data->setColWidth(col, twips)) {
        shapeChanged();
    }
}

int FlexGrid::RowHeight(int row) const {
    return m_data->rowHeight(row);
}

void FlexGrid::setRowHeight(int row, int twips) {
    if (m_data->setRowHeight(row, twips)) {
        shapeChanged();
    }
}

// --- formatting of the current cell ---

std::optional<QColor> FlexGrid::CellBackColor() const {
    return m_data->format(m_data->row(), m_data->col()).backColor;
}

void FlexGrid::setCellBackColor(const QColor& color) {
    m_data->setCellBackColor(m_data->row(), m_data->col(), color);
    refresh();
}

std::optional<QColor> FlexGrid::CellForeColor() const {
    return m_data->format(m_data->row(), m_data->col()).foreColor;
}

void FlexGrid::setCellForeColor(const QColor& color) {
    m_data->setCellForeColor(m_data->row(), m_data->col(), color);
    refresh();
}

QString FlexGrid::CellFontName() const {
    return m_data->format(m_data->row(), m_data->col()).fontName.value_or(font().family());
}

void FlexGrid::setCellFontName(const QString& name) {
    m_data->setCellFontName(m_data->row(), m_data->col(), name);
    refresh();
}

double FlexGrid::CellFontSize() const {
    return m_data->format(m_data->row(), m_data->col()).fontSize.value_or(font().pointSizeF());
}

void FlexGrid::setCellFontSize(double points) {
    m_data->setCellFontSize(m_data->row(), m_data->col(), points);
    refresh();
}

int FlexGrid::CellAlignment() const {
    return m_data->alignmentAt(m_data->row(), m_data->col());
}

void FlexGrid::setCellAlignment(int alignment) {
    m_data->setCellAlignment(m_data->row(), m_data->col(), alignment);
    refresh();
}

int FlexGrid::ColAlignment(int col) const {
    return m_data->colAlignment(col);
}

void FlexGrid::setColAlignment(int col, int alignment) {
    m_data->setColAlignment(col, alignment);
    refresh();
}

int FlexGrid::FixedAlignment(int col) const {
    return m_data->fixedAlignment(col);
}

void FlexGrid::setFixedAlignment(int col, int alignment) {
    m_data->setFixedAlignment(col, alignment);
    refresh();
}

// --- formatting of the whole grid ---

QColor FlexGrid::BackColor() const {
    return m_data->colors().back;
}

void FlexGrid::setBackColor(const QColor& color) {
    m_data->colors().back = color;
    refresh();
}

QColor FlexGrid::ForeColor() const {
    return m_data->colors().fore;
}

void FlexGrid::setForeColor(const QColor& color) {
    m_data->colors().fore = color;
    refresh();
}

QColor FlexGrid::BackColorFixed() const {
    return m_data->colors().backFixed;
}

void FlexGrid::setBackColorFixed(const QColor& color) {
    m_data->colors().backFixed = color;
    refresh();
}

QColor FlexGrid::ForeColorFixed() const {
    return m_data->colors().foreFixed;
}

void FlexGrid::setForeColorFixed(const QColor& color) {
    m_data->colors().foreFixed = color;
    refresh();
}

QColor FlexGrid::BackColorSel() const {
    return m_data->colors().backSel;
}

void FlexGrid::setBackColorSel(const QColor& color) {
    m_data->colors().backSel = color;
    refresh();
}

QColor FlexGrid::ForeColorSel() const {
    return m_data->colors().foreSel;
}

void FlexGrid::setForeColorSel(const QColor& color) {
    m_data->colors().foreSel = color;
    refresh();
}

QColor FlexGrid::GridColor() const {
    return m_data->colors().grid;
}

void FlexGrid::setGridColor(const QColor& color) {
    m_data->colors().grid = color;
    refresh();
}

QColor FlexGrid::GridColorFixed() const {
    return m_data->colors().gridFixed;
}

void FlexGrid::setGridColorFixed(const QColor& color) {
    m_data->colors().gridFixed = color;
    refresh();
}

bool FlexGrid::WordWrap() const {
    return m_data->wordWrap();
}

void FlexGrid::setWordWrap(bool wrap) {
    m_data->setWordWrap(wrap);
    refresh();
}

int FlexGrid::HighLight() const {
    return m_data->highLight();
}

void FlexGrid::setHighLight(int mode) {
    if (m_data->setHighLight(mode)) {
        refresh();
    }
}

bool FlexGrid::Redraw() const {
    return m_redraw;
}

void FlexGrid::setRedraw(bool redraw) {
    if (redraw == m_redraw) {
        return;
    }
    m_redraw = redraw;
    // Turning updates back on schedules the one repaint that catches up.
    viewport()->setUpdatesEnabled(redraw);
}

void FlexGrid::setCurrentShownWithoutFocus(bool shown) {
    m_currentShownWithoutFocus = shown;
    viewport()->update();
}

// --- the pointer and places ---

int FlexGrid::MouseRow() const {
    return m_mouseRow;
}

int FlexGrid::MouseCol() const {
    return m_mouseCol;
}

int FlexGrid::colPos(int col) const {
    const FlexGridLayout layout = visibleLayout();
    const auto* span = layout.col(col);
    return span && span->start < viewport()->width() ? span->start : -1;
}

int FlexGrid::rowPos(int row) const {
    const FlexGridLayout layout = visibleLayout();
    const auto* span = layout.row(row);
    return span && span->start < viewport()->height() ? span->start : -1;
}

QSize FlexGrid::fullSizePixels() const {
    return FlexGridLayout::whole(*m_data, Twips::perPixel()).size();
}

QSize FlexGrid::paintedSize(double pixelsPerTwip) const {
    if (pixelsPerTwip <= 0) {
        return {};
    }
    return FlexGridLayout::whole(*m_data, 1.0 / pixelsPerTwip).size();
}

void FlexGrid::paintAll(QPainter& painter, double pixelsPerTwip) const {
    if (pixelsPerTwip <= 0) {
        return;
    }
    const double twipsPerPixel = 1.0 / pixelsPerTwip;
    const FlexGridLayout layout = FlexGridLayout::whole(*m_data, twipsPerPixel);
    FlexGridPainter(*m_data, font(), twipsPerPixel)
        .paint(painter, layout, QRect(QPoint(0, 0), layout.size()), {});
}

QImage FlexGrid::picture() const {
    QImage image(fullSizePixels(), QImage::Format_RGB32);
    if (image.isNull()) {
        return image;
    }
    image.fill(BackColor());
    QPainter painter(&image);
    paintAll(painter, 1.0 / Twips::perPixel());
    FlexGridPainter(*m_data, font(), Twips::perPixel()).paintTopLeftEdges(painter, image.rect());
    return image;
}

// --- scrolling ---

void FlexGrid::updateScrollBars() {
    const auto heights = pixelSizes(m_data->rows(), &FlexGridData::rowHeight, *m_data);
    const auto widths = pixelSizes(m_data->cols(), &FlexGridData::colWidth, *m_data);
    const int fixedCols = m_data->fixedCols();
    const QSize room =
        roomForCells(contentsRect().size(), style()->pixelMetric(QStyle::PM_ScrollBarExtent),
                     total(widths), total(heights));
    int lastTop = FlexGridLayout::lastFirstShown(heights, 1, room.height() - heights[0]);
    int lastLeft = FlexGridLayout::lastFirstShown(widths, fixedCols,
                                                  room.width() - fixedExtent(widths, fixedCols));
    if (!isVisible()) {
        // The viewport has no real size yet: keep what code set until it is shown.
        lastTop = std::max(lastTop, m_data->topRow());
        lastLeft = std::max(lastLeft, m_data->leftCol());
    }
    // Changing the range or value calls scrollContentsBy, which moves TopRow and LeftCol.
    QScrollBar* vertical = verticalScrollBar();
    vertical->setRange(0, lastTop - 1);
    const FlexGridLayout layout = visibleLayout();
    vertical->setPageStep(wholeShown(layout.rows(), 1, viewport()->height()));
    vertical->setValue(m_data->topRow() - 1);
    QScrollBar* horizontal = horizontalScrollBar();
    horizontal->setRange(0, lastLeft - fixedCols);
    horizontal->setPageStep(wholeShown(layout.cols(), fixedCols, viewport()->width()));
    horizontal->setValue(m_data->leftCol() - fixedCols);
}

void FlexGrid::scrollContentsBy(int dx, int dy) {
    if (dy != 0) {
        m_data->setTopRow(verticalScrollBar()->value() + 1);
    }
    if (dx != 0) {
        m_data->setLeftCol(horizontalScrollBar()->value() + m_data->fixedCols());
    }
    refresh();
}

void FlexGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void FlexGrid::scrollIntoView(int row, int col) {
    const auto heights = pixelSizes(m_data->rows(), &FlexGridData::rowHeight, *m_data);
    const auto widths = pixelSizes(m_data->cols(), &FlexGridData::colWidth, *m_data);
    if (row >= 1) {
        m_data->setTopRow(
            firstShowing(heights, viewport()->height() - heights[0], m_data->topRow(), row));
    }
    const int fixedCols = m_data->fixedCols();
    if (col >= fixedCols) {
        m_data->setLeftCol(firstShowing(
            widths, viewport()->width() - fixedExtent(widths, fixedCols), m_data->leftCol(), col));
    }
    shapeChanged();
}

int FlexGrid::bodyRowsShown() const {
    return wholeShown(visibleLayout().rows(), 1, viewport()->height());
}

// --- keys ---

std::optional<FlexGrid::Cell> FlexGrid::navigationTarget(int key,
                                                         Qt::KeyboardModifiers modifiers) const {
    const int lastRow = m_data->rows() - 1;
    const int lastCol = m_data->cols() - 1;
    const int firstCol = m_data->fixedCols();
    const bool extend = modifiers & Qt::ShiftModifier;
    const bool control = modifiers & Qt::ControlModifier;
    int row = extend ? m_data->rowSel() : m_data->row();
    int col = extend ? m_data->colSel() : m_data->col();
    switch (key) {
    case Qt::Key_Up:
        --row;
        break;
    case Qt::Key_Down:
        ++row;
        break;
    case Qt::Key_Left:
        --col;
        break;
    case Qt::Key_Right:
        ++col;
        break;
    case Qt::Key_PageUp:
        row -= bodyRowsShown();
        break;
    case Qt::Key_PageDown:
        row += bodyRowsShown();
        break;
    case Qt::Key_Home:
        col = firstCol;
        row = control ? 1 : row;
        break;
    case Qt::Key_End:
        col = lastCol;
        row = control ? lastRow : row;
        break;
    default:
        return std::nullopt;
    }
    if (lastRow < 1 || lastCol < firstCol) {
        return Cell{m_data->row(), m_data->col()}; // no body cells to move to
    }
    return Cell{std::clamp(row, 1, lastRow), std::clamp(col, firstCol, lastCol)};
}

void FlexGrid::keyPressEvent(QKeyEvent* event) {
    emit KeyDown(event->key(), event->modifiers(), event->text());
    const auto target = navigationTarget(event->key(), event->modifiers());
    if (!target) {
        event->ignore(); // let a dialog see Escape and Enter
        return;
    }
    if (event->modifiers() & Qt::ShiftModifier) {
        setRowSel(target->row);
        setColSel(target->col);
    } else {
        moveCurrent(target->row, target->col);
    }
    scrollIntoView(target->row, target->col);
}

// --- the mouse ---

void FlexGrid::trackMouse(QPoint position) {
    const FlexGridLayout layout = visibleLayout();
    m_mouseRow = layout.rowAt(position.y());
    m_mouseCol = layout.colAt(position.x());
    if (m_mouseRow < 0 || m_mouseCol < 0) {
        m_mouseRow = m_mouseCol = -1;
    }
}

// A line between two column headers resizes the column to its left; one between two row
// headers the row above it. Without a fixed column there are no row headers to drag.
FlexGrid::Drag FlexGrid::resizeDragAt(QPoint position, int* index) const {
    const FlexGridLayout layout = visibleLayout();
    if (layout.rows().empty() || layout.cols().empty()) {
        return Drag::None;
    }
    const auto& fixedRow = layout.rows().front();
    const auto& fixedCol = layout.cols().front();
    const bool hasFixedCol = m_data->fixedCols() > 0;
    const auto near = [](int edge, int at) { return std::abs(edge - at) <= ResizeGripPixels; };
    Drag found = Drag::None;
    if (position.y() >= fixedRow.start && position.y() < fixedRow.end()) {
        for (const auto& span : layout.cols()) {
            if (near(span.end(), position.x())) {
                found = Drag::ColumnSize;
                *index = span.index;
            }
        }
    } else if (hasFixedCol && position.x() >= fixedCol.start && position.x() < fixedCol.end()) {
        for (const auto& span : layout.rows()) {
            if (near(span.end(), position.y())) {
                found = Drag::RowSize;
                *index = span.index;
            }
        }
    }
    return found;
}

void FlexGrid::showResizeCursor(QPoint position) {
    int index = -1;
    switch (resizeDragAt(position, &index)) {
    case Drag::ColumnSize:
        viewport()->setCursor(Qt::SplitHCursor);
        break;
    case Drag::RowSize:
        viewport()->setCursor(Qt::SplitVCursor);
        break;
    default:
        viewport()->unsetCursor();
        break;
    }
}

void FlexGrid::startDrag(QPoint position) {
    int index = -1;
    m_drag = resizeDragAt(position, &index);
    if (m_drag == Drag::ColumnSize || m_drag == Drag::RowSize) {
        const FlexGridLayout layout = visibleLayout();
        const auto* span = m_drag == Drag::ColumnSize ? layout.col(index) : layout.row(index);
        m_resizeIndex = index;
        m_resizeStart = span->start;
        return;
    }
    m_clickPending = m_mouseRow >= 0; // a press beside the cells raises no Click
    const int lastRow = m_data->rows() - 1;
    const int lastCol = m_data->cols() - 1;
    const int firstCol = m_data->fixedCols();
    if (m_mouseRow >= 1 && m_mouseCol >= firstCol) {
        m_drag = Drag::Cells;
        moveCurrent(m_mouseRow, m_mouseCol);
    } else if (m_mouseRow == 0 && m_mouseCol >= firstCol && lastRow >= 1) {
        m_drag = Drag::ColumnHeader;
        moveCurrent(1, m_mouseCol);
        setRowSel(lastRow);
    } else if (m_mouseCol < firstCol && m_mouseRow >= 1 && lastCol >= firstCol) {
        m_drag = Drag::RowHeader;
        moveCurrent(m_mouseRow, firstCol);
        setColSel(lastCol);
    }
}

void FlexGrid::continueDrag(QPoint position) {
    switch (m_drag) {
    case Drag::ColumnSize:
        setColWidth(m_resizeIndex,
                    Twips::fromPixels(std::max(MinimumDragPixels, position.x() - m_resizeStart)));
        break;
    case Drag::RowSize:
        setRowHeight(m_resizeIndex,
                     Twips::fromPixels(std::max(MinimumDragPixels, position.y() - m_resizeStart)));
        break;
    case Drag::Cells:
        if (m_mouseRow >= 1 && m_mouseCol >= m_data->fixedCols()) {
            setRowSel(m_mouseRow);
            setColSel(m_mouseCol);
        }
        break;
    case Drag::ColumnHeader:
        if (m_mouseCol >= m_data->fixedCols()) {
            setColSel(m_mouseCol);
        }
        break;
    case Drag::RowHeader:
        if (m_mouseRow >= 1) {
            setRowSel(m_mouseRow);
        }
        break;
    case Drag::None:
        break;
    }
}

void FlexGrid::mousePressEvent(QMouseEvent* event) {
    trackMouse(event->position().toPoint());
    if (event->button() == Qt::LeftButton) {
        startDrag(event->position().toPoint());
    }
}

void FlexGrid::mouseMoveEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    trackMouse(position);
    if (event->buttons() & Qt::LeftButton) {
        continueDrag(position);
    } else {
        showResizeCursor(position);
    }
}

void FlexGrid::mouseReleaseEvent(QMouseEvent* event) {
    trackMouse(event->position().toPoint());
    const bool click = event->button() == Qt::LeftButton && m_clickPending;
    if (event->button() == Qt::LeftButton) {
        m_drag = Drag::None;
        m_clickPending = false;
    }
    emit MouseUp(event->button(), event->modifiers(), event->position().toPoint());
    if (click) {
        emit Click();
    }
}

// The second press of a double click raises DblClick instead of moving the cell again; its
// release raises MouseUp but no second Click.
void FlexGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    trackMouse(event->position().toPoint());
    if (event->button() == Qt::LeftButton) {
        emit DblClick();
    }
}

bool FlexGrid::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::Leave && m_drag == Drag::None) {
        viewport()->unsetCursor();
    }
    return QAbstractScrollArea::viewportEvent(event);
}

// --- focus ---

void FlexGrid::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    refresh();
    if (reportsFocusChange(event->reason())) {
        emit GotFocus();
    }
}

void FlexGrid::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    refresh();
    if (reportsFocusChange(event->reason())) {
        emit LostFocus();
    }
}

// --- painting ---

void FlexGrid::paintEvent(QPaintEvent* event) {
    if (!m_redraw) {
        return;
    }
    QPainter painter(viewport());
    const int mode = m_data->highLight();
    FlexGridPainter::Marks marks;
    marks.selection = mode == flexHighlightAlways || (mode == flexHighlightWithFocus && hasFocus());
    marks.focus = hasFocus();
    marks.current = marks.selection && m_currentShownWithoutFocus && !hasFocus();
    FlexGridPainter(*m_data, font(), Twips::perPixel())
        .paint(painter, visibleLayout(), event->rect(), marks);
}
