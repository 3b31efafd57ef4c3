#include "FlexGridData.h"

#include "data/Geometry.h"
#include "platform/FlexAlignment.h"

#include <algorithm>

namespace {

bool validAlignment(int alignment) {
    return alignment >= flexAlignLeftTop && alignment <= flexAlignGeneral;
}

} // namespace

FlexGridData::FlexGridData() {
    setRows(2);
    setCols(2);
    setCurrent(1, 1); // the shaping above clamped it while there were no columns yet
}

bool FlexGridData::setRows(int rows) {
    if (rows < 1) {
        return false;
    }
    const bool fresh = m_rowHeights.empty();
    m_rowHeights.resize(rows, Geometry::DefaultRowHeight);
    if (fresh) {
        m_rowHeights[0] = Geometry::DefaultFixedRowHeight;
    }
    m_rowData.resize(rows, 0);
    m_cells.resize(rows, std::vector<Cell>(cols()));
    clampPositions();
    return true;
}

bool FlexGridData::setCols(int cols) {
    if (cols < 1) {
        return false;
    }
    const bool fresh = m_colWidths.empty();
    m_colWidths.resize(cols, Geometry::DefaultColWidth);
    if (fresh) {
        m_colWidths[0] = Geometry::DefaultFixedColWidth;
    }
    m_colData.resize(cols, 0);
    m_colAlignments.resize(cols, flexAlignGeneral);
    m_fixedAlignments.resize(cols, flexAlignGeneral);
    for (auto& cells : m_cells) {
        cells.resize(cols);
    }
    clampPositions();
    return true;
}

void FlexGridData::clampPositions() {
    const int lastRow = std::max(0, rows() - 1);
    const int lastCol = std::max(0, cols() - 1);
    m_row = std::min(m_row, lastRow);
    m_col = std::min(m_col, lastCol);
    m_rowSel = std::min(m_rowSel, lastRow);
    m_colSel = std::min(m_colSel, lastCol);
    m_topRow = std::clamp(m_topRow, 1, std::max(1, lastRow));
    m_leftCol = std::clamp(m_leftCol, m_fixedCols, std::max(m_fixedCols, lastCol));
}

bool FlexGridData::setFixedCols(int fixedCols) {
    if (fixedCols < 0 || fixedCols > 1) {
        return false;
    }
    m_fixedCols = fixedCols;
    m_leftCol = fixedCols;
    clampPositions();
    return true;
}

bool FlexGridData::setRow(int row) {
    return setCurrent(row, m_col);
}

bool FlexGridData::setCol(int col) {
    return setCurrent(m_row, col);
}

bool FlexGridData::setCurrent(int row, int col) {
    if (!validCell(row, col)) {
        return false;
    }
    m_row = m_rowSel = row;
    m_col = m_colSel = col;
    return true;
}

bool FlexGridData::setRowSel(int row) {
    if (!validRow(row)) {
        return false;
    }
    m_rowSel = row;
    return true;
}

bool FlexGridData::setColSel(int col) {
    if (!validCol(col)) {
        return false;
    }
    m_colSel = col;
    return true;
}

bool FlexGridData::isSelected(int row, int col) const {
    return row >= std::min(m_row, m_rowSel) && row <= std::max(m_row, m_rowSel) &&
           col >= std::min(m_col, m_colSel) && col <= std::max(m_col, m_colSel);
}

bool FlexGridData::setTopRow(int row) {
    if (row < 1 || row >= rows()) {
        return false;
    }
    m_topRow = row;
    return true;
}

bool FlexGridData::setLeftCol(int col) {
    if (col < m_fixedCols || col >= cols()) {
        return false;
    }
    m_leftCol = col;
    return true;
}

FlexGridData::Cell* FlexGridData::cell(int row, int col) {
    return validCell(row, col) ? &m_cells[row][col] : nullptr;
}

QString FlexGridData::text(int row, int col) const {
    return validCell(row, col) ? m_cells[row][col].text : QString();
}

bool FlexGridData::setText(int row, int col, const QString& text) {
    Cell* target = cell(row, col);
    if (target) {
        target->text = text;
    }
    return target;
}

bool FlexGridData::clearCell(int row, int col) {
    Cell* target = cell(row, col);
    if (target) {
        *target = Cell();
    }
    return target;
}

int FlexGridData::rowData(int row) const {
    return validRow(row) ? m_rowData[row] : 0;
}

bool FlexGridData::setRowData(int row, int value) {
    if (!validRow(row)) {
        return false;
    }
    m_rowData[row] = value;
    return true;
}

int FlexGridData::colData(int col) const {
    return validCol(col) ? m_colData[col] : 0;
}

bool FlexGridData::setColData(int col, int value) {
    if (!validCol(col)) {
        return false;
    }
    m_colData[col] = value;
    return true;
}

int FlexGridData::colWidth(int col) const {
    return validCol(col) ? m_colWidths[col] : 0;
}

bool FlexGridData::setColWidth(int col, int twips) {
    if (!validCol(col) || twips < 0) {
        return false;
    }
    m_colWidths[col] = twips;
    return true;
}

int FlexGridData::rowHeight(int row) const {
    return validRow(row) ? m_rowHeights[row] : 0;
}

bool FlexGridData::setRowHeight(int row, int twips) {
    if (!validRow(row) || twips < 0) {
        return false;
    }
    m_rowHeights[row] = twips;
    return true;
}

const FlexCellFormat& FlexGridData::format(int row, int col) const {
    static const FlexCellFormat unset;
    return validCell(row, col) ? m_cells[row][col].format : unset;
}

bool FlexGridData::setCellBackColor(int row, int col, const QColor& color) {
    Cell* target = cell(row, col);
    if (target) {
        target->format.backColor = color;
    }
    return target;
}

bool FlexGridData::setCellForeColor(int row, int col, const QColor& color) {
    Cell* target = cell(row, col);
    if (target) {
        target->format.foreColor = color;
    }
    return target;
}

bool FlexGridData::setCellFontName(int row, int col, const QString& name) {
    Cell* target = cell(row, col);
    if (target) {
        target->format.fontName = name;
    }
    return target;
}

bool FlexGridData::setCellFontSize(int row, int col, double points) {
    Cell* target = cell(row, col);
    if (!target || points <= 0) {
        return false;
    }
    target->format.fontSize = points;
    return true;
}

bool FlexGridData::setCellAlignment(int row, int col, int alignment) {
    Cell* target = cell(row, col);
    if (!target || !validAlignment(alignment)) {
        return false;
    }
    target->format.alignment = alignment;
    return true;
}

int FlexGridData::colAlignment(int col) const {
    return validCol(col) ? m_colAlignments[col] : int(flexAlignGeneral);
}

bool FlexGridData::setColAlignment(int col, int alignment) {
    if (!validCol(col) || !validAlignment(alignment)) {
        return false;
    }
    m_colAlignments[col] = alignment;
    return true;
}

int FlexGridData::fixedAlignment(int col) const {
    return validCol(col) ? m_fixedAlignments[col] : int(flexAlignGeneral);
}

bool FlexGridData::setFixedAlignment(int col, int alignment) {
    if (!validCol(col) || !validAlignment(alignment)) {
        return false;
    }
    m_fixedAlignments[col] = alignment;
    return true;
}

QColor FlexGridData::backColorAt(int row, int col) const {
    const QColor& fallback = isFixed(row, col) ? m_colors.backFixed : m_colors.back;
    return format(row, col).backColor.value_or(fallback);
}

QColor FlexGridData::foreColorAt(int row, int col) const {
    const QColor& fallback = isFixed(row, col) ? m_colors.foreFixed : m_colors.fore;
    return format(row, col).foreColor.value_or(fallback);
}

int FlexGridData::alignmentAt(int row, int col) const {
    const int fallback = isFixed(row, col) ? fixedAlignment(col) : colAlignment(col);
    return format(row, col).alignment.value_or(fallback);
}

QFont FlexGridData::fontAt(int row, int col, const QFont& gridFont) const {
    const FlexCellFormat& own = format(row, col);
    QFont font = gridFont;
    if (own.fontName) {
        font.setFamily(*own.fontName);
    }
    if (own.fontSize) {
        font.setPointSizeF(*own.fontSize);
    }
    return font;
}

bool FlexGridData::setHighLight(int mode) {
    if (mode < flexHighlightNever || mode > flexHighlightWithFocus) {
        return false;
    }
    m_highLight = mode;
    return true;
}
