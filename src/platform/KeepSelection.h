#pragma once

#include "FlexGrid.h"

// Puts a grid's current cell and selection back as they were, on every exit path, for code
// that walks the grid by moving its current cell.
class KeepSelection {
public:
    explicit KeepSelection(FlexGrid& grid)
        : m_grid(grid), m_row(grid.Row()), m_col(grid.Col()), m_rowSel(grid.RowSel()),
          m_colSel(grid.ColSel()) {}
    ~KeepSelection() {
        m_grid.setCol(m_col);
        m_grid.setRow(m_row);
        m_grid.setColSel(m_colSel);
        m_grid.setRowSel(m_rowSel);
    }
    KeepSelection(const KeepSelection&) = delete;
    KeepSelection& operator=(const KeepSelection&) = delete;

private:
    FlexGrid& m_grid;
    int m_row, m_col, m_rowSel, m_colSel;
};
