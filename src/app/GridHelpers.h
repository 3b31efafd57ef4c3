#pragma once

class FlexGrid;

// The grid column under a horizontal position and the row under a vertical one, in twips
// from the grid's left or top edge; -1 beyond the last. A position exactly on a boundary
// belongs to the column or row after it; scrolled-away columns and rows are skipped.
int GetGridColAtX(const FlexGrid& grid, int x);
int GetGridRowAtY(const FlexGrid& grid, int y);
