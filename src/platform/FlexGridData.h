#pragma once

#include "platform/FlexCellFormat.h"
#include "platform/FlexGridColors.h"

#include <QFont>
#include <QString>

#include <vector>

// The grid without a widget: cells with text and format, sizes in twips, the current cell, the
// selection and the first scrollable row and column shown. Row 0 is the fixed header row; column
// 0 is a fixed header column too unless FixedCols is 0. Setters refuse out-of-range values
// (false, nothing changes); getters out of range give empty values.
class FlexGridData {
public:
    FlexGridData();

    int rows() const { return static_cast<int>(m_rowHeights.size()); }
    bool setRows(int rows); // at least 1; clamps the current cell, selection and top row
    int cols() const { return static_cast<int>(m_colWidths.size()); }
    bool setCols(int cols);
    // The number of fixed columns at the left, 0 or 1 (1 by default). A change scrolls back to
    // the first column.
    int fixedCols() const { return m_fixedCols; }
    bool setFixedCols(int fixedCols);

    int row() const { return m_row; }
    int col() const { return m_col; }
    int rowSel() const { return m_rowSel; }
    int colSel() const { return m_colSel; }
    // Each of these collapses the selection to the new current cell.
    bool setRow(int row);
    bool setCol(int col);
    bool setCurrent(int row, int col);
    bool setRowSel(int row);
    bool setColSel(int col);
    // True for cells in the block spanned by the current cell and (RowSel, ColSel).
    bool isSelected(int row, int col) const;
    bool isFixed(int row, int col) const { return row == 0 || col < m_fixedCols; }

    int topRow() const { return m_topRow; }
    bool setTopRow(int row); // 1 .. rows-1
    int leftCol() const { return m_leftCol; }
    bool setLeftCol(int col); // FixedCols .. cols-1

    QString text(int row, int col) const;
    bool setText(int row, int col, const QString& text);
    // No text and no format of its own, as a new cell.
    bool clearCell(int row, int col);
    int rowData(int row) const;
    bool setRowData(int row, int value);
    int colData(int col) const;
    bool setColData(int col, int value);

    int colWidth(int col) const;
    bool setColWidth(int col, int twips);
    int rowHeight(int row) const;
    bool setRowHeight(int row, int twips);

    const FlexCellFormat& format(int row, int col) const;
    bool setCellBackColor(int row, int col, const QColor& color);
    bool setCellForeColor(int row, int col, const QColor& color);
    bool setCellFontName(int row, int col, const QString& name);
    bool setCellFontSize(int row, int col, double points);
    bool setCellAlignment(int row, int col, int alignment);
    int colAlignment(int col) const;
    bool setColAlignment(int col, int alignment);
    int fixedAlignment(int col) const;
    bool setFixedAlignment(int col, int alignment);

    // What a cell shows once the fallbacks are applied: its own format, else its column's
    // alignment and the grid's colours (fixed colours for fixed cells) and font.
    QColor backColorAt(int row, int col) const;
    QColor foreColorAt(int row, int col) const;
    int alignmentAt(int row, int col) const;
    QFont fontAt(int row, int col, const QFont& gridFont) const;

    const FlexGridColors& colors() const { return m_colors; }
    FlexGridColors& colors() { return m_colors; }
    bool wordWrap() const { return m_wordWrap; }
    void setWordWrap(bool wrap) { m_wordWrap = wrap; }
    int highLight() const { return m_highLight; }
    bool setHighLight(int mode);

private:
    struct Cell {
        QString text;
        FlexCellFormat format;
    };

    bool validRow(int row) const { return row >= 0 && row < rows(); }
    bool validCol(int col) const { return col >= 0 && col < cols(); }
    bool validCell(int row, int col) const { return validRow(row) && validCol(col); }
    Cell* cell(int row, int col);
    void clampPositions();

    std::vector<std::vector<Cell>> m_cells; // [row][col]
    std::vector<int> m_rowHeights;
    std::vector<int> m_colWidths;
    std::vector<int> m_rowData;
    std::vector<int> m_colData;
    std::vector<int> m_colAlignments;
    std::vector<int> m_fixedAlignments;
    int m_row = 1;
    int m_col = 1;
    int m_rowSel = 1;
    int m_colSel = 1;
    int m_topRow = 1;
    int m_leftCol = 1;
    int m_fixedCols = 1;
    FlexGridColors m_colors;
    bool m_wordWrap = false;
    int m_highLight = 1;
};
