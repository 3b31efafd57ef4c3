#pragma once

#include "FlexGrid.h"

// Stops a grid from painting for its lifetime, so a rebuild shows as one repaint.
class RedrawOff {
public:
    explicit RedrawOff(FlexGrid& grid) : m_grid(grid), m_saved(grid.Redraw()) {
        m_grid.setRedraw(false);
    }
    ~RedrawOff() { m_grid.setRedraw(m_saved); }
    RedrawOff(const RedrawOff&) = delete;
    RedrawOff& operator=(const RedrawOff&) = delete;

private:
    FlexGrid& m_grid;
    bool m_saved;
};
