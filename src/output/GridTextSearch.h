#pragma once

#include <QString>

#include <compare>

class FlexGrid;

// The grid side of Find: stepping past the current cell and scanning the body cells (never the
// header row or column) for a text.
namespace GridTextSearch {

struct Cell {
    int row = 1;
    int col = 1;
    auto operator<=>(const Cell&) const = default;
};

// Whether a cell's shown text holds the search text, without regard to case. An empty search
// text matches only a cell that shows some text.
bool matches(const QString& cellText, const QString& searchText);

// The grid has a day row and a period column besides its headers.
bool hasBodyCells(const FlexGrid& g);
Cell lastCell(const FlexGrid& g);
// The current cell, as a body cell.
Cell currentCell(const FlexGrid& g);

// Moves the current cell one body cell on: right, or else to column 1 of the next row. False at
// the last cell, which stays current.
bool step(FlexGrid& g);

// Makes each cell current in turn, from the current cell up to `last`, row by row (every row
// after the first from column 1), and stops at the first that matches: true. Without a match the
// current cell is in column 1 of the last row scanned.
bool scan(FlexGrid& g, const QString& searchText, Cell last);

} // namespace GridTextSearch
