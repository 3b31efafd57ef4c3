#pragma once

#include "platform/FlexAlignment.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QString>

#include <memory>
#include <optional>

class QImage;
class QPainter;
class FlexGridData;
class FlexGridLayout;

// A grid of text cells with one fixed row (0) and one fixed column (0, unless FixedCols is 0)
// that stay in place when it scrolls. Sizes are twips. Setting Row or Col, also from code, emits
// EnterCell at once when the current cell changes. The data lives in a FlexGridData core that tests
// drive without painting; FlexGridPainter is the one drawing routine for the screen, bitmaps,
// printing and preview.
class FlexGrid : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit FlexGrid(QWidget* parent = nullptr);
    ~FlexGrid() override;

    // --- shape (row 0 and column 0 are the fixed headers; counts include them) ---
    int Rows() const;
    void setRows(int rows); // at least 1; shrinking moves the current cell and selection in
    int Cols() const;
    void setCols(int cols);
    int FixedCols() const; // 0 or 1: with 0, column 0 is a body column like the others
    bool setFixedCols(int fixedCols);
    int TopRow() const; // first scrollable row shown
    bool setTopRow(int row);
    int LeftCol() const; // first scrollable column shown (FixedCols or more)
    bool setLeftCol(int col);

    // --- current cell and selection (out-of-range values are refused: false, no change) ---
    int Row() const;
    bool setRow(int row); // collapses the selection; EnterCell when the cell changes
    int Col() const;
    bool setCol(int col);
    int RowSel() const;
    bool setRowSel(int row); // extends the selection from Row to RowSel
    int ColSel() const;
    bool setColSel(int col);

    // --- text and data ---
    QString TextMatrix(int row, int col) const; // CR LF is a line break
    void setTextMatrix(int row, int col, const QString& text);
    QString Text() const; // of the current cell
    void setText(const QString& text);
    // Empties a cell of its text and its own format, as a new cell is.
    void clearCell(int row, int col);
    int RowData(int row) const;
    void setRowData(int row, int value);
    int ColData(int col) const;
    void setColData(int col, int value);

    // --- sizes in twips, returned exactly as set ---
    int ColWidth(int col) const;
    void setColWidth(int col, int twips);
    int RowHeight(int row) const;
    void setRowHeight(int row, int twips);

    // --- formatting of the current cell; an unset colour is distinct from black ---
    std::optional<QColor> CellBackColor() const;
    void setCellBackColor(const QColor& color);
    std::optional<QColor> CellForeColor() const;
    void setCellForeColor(const QColor& color);
    QString CellFontName() const; // the grid's font name when unset
    void setCellFontName(const QString& name);
    double CellFontSize() const; // the grid's font size when unset
    void setCellFontSize(double points);
    int CellAlignment() const;
    void setCellAlignment(int alignment);
    // Alignment of a whole column's body cells (flexAlignGeneral by default).
    int ColAlignment(int col) const;
    void setColAlignment(int col, int alignment);
    int FixedAlignment(int col) const; // of the fixed cells in a column
    void setFixedAlignment(int col, int alignment);

    // --- formatting of the whole grid ---
    QColor BackColor() const;
    void setBackColor(const QColor& color);
    QColor ForeColor() const;
    void setForeColor(const QColor& color);
    QColor BackColorFixed() const;
    void setBackColorFixed(const QColor& color);
    QColor ForeColorFixed() const;
    void setForeColorFixed(const QColor& color);
    QColor BackColorSel() const;
    void setBackColorSel(const QColor& color);
    QColor ForeColorSel() const;
    void setForeColorSel(const QColor& color);
    QColor GridColor() const;
    void setGridColor(const QColor& color);
    QColor GridColorFixed() const;
    void setGridColorFixed(const QColor& color);
    bool WordWrap() const;
    void setWordWrap(bool wrap);
    int HighLight() const;
    void setHighLight(int mode);
    bool Redraw() const;
    void setRedraw(bool redraw); // painting off while false; events still fire
    // While the grid lacks the focus, its current cell is drawn highlighted with the rest of the
    // selection (as long as the selection is highlighted), so it stays visible beside another
    // window. Off by default: the current cell is marked only by the focus rectangle.
    void setCurrentShownWithoutFocus(bool shown);

    // --- the pointer: the cell under the mouse at the last mouse event (-1 outside cells) ---
    int MouseRow() const;
    int MouseCol() const;

    // Places in pixels of the widget's viewport, for hit tests: the left edge of a column and
    // the top edge of a row as shown now (scrolling included), -1 when not shown.
    int colPos(int col) const;
    int rowPos(int row) const;

    // Size in pixels of the whole grid, every row and column, at screen resolution.
    QSize fullSizePixels() const;
    // Size in device pixels of the whole grid as paintAll draws it with `pixelsPerTwip`.
    QSize paintedSize(double pixelsPerTwip) const;
    // Draws the whole grid (all rows and columns, from the top-left) with `pixelsPerTwip`
    // device pixels per twip, starting at the painter's origin. No selection or focus marks.
    void paintAll(QPainter& painter, double pixelsPerTwip) const;
    // The whole grid drawn by paintAll at screen resolution, fullSizePixels() in size, closed
    // by lines along its top and left edges as the grid's frame closes it on screen. A null
    // image when memory for one that size cannot be had.
    QImage picture() const;

    // The data core, for code that reads many cells at once.
    const FlexGridData& data() const;

signals:
    void EnterCell();
    void Click();
    void DblClick();
    void KeyDown(int key, Qt::KeyboardModifiers modifiers, const QString& text);
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    void GotFocus();
    void LostFocus();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    // What a left-button drag is doing since the press.
    enum class Drag { None, Cells, ColumnHeader, RowHeader, ColumnSize, RowSize };
    struct Cell {
        int row;
        int col;
    };

    FlexGridLayout visibleLayout() const;
    void moveCurrent(int row, int col);
    void refresh();
    void shapeChanged();
    void updateScrollBars();
    void scrollIntoView(int row, int col);
    std::optional<Cell> navigationTarget(int key, Qt::KeyboardModifiers modifiers) const;
    int bodyRowsShown() const;
    void trackMouse(QPoint position);
    Drag resizeDragAt(QPoint position, int* index) const;
    void startDrag(QPoint position);
    void continueDrag(QPoint position);
    void showResizeCursor(QPoint position);

    std::unique_ptr<FlexGridData> m_data;
    bool m_redraw = true;
    bool m_currentShownWithoutFocus = false;
    int m_mouseRow = -1;
    int m_mouseCol = -1;
    Drag m_drag = Drag::None;
    int m_resizeIndex = -1;
    int m_resizeStart = 0;       // pixel edge the resized column or row starts at
    bool m_clickPending = false; // a left press that will raise Click on release
};
