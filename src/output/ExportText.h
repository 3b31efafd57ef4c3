#pragma once

#include <QString>

class FlexGridData;

// A timetable grid as text, every row and column as drawn, headers included.

// One line per row, ", " between cells, ";" for a line break inside a cell, CR LF after every
// line. Nothing is quoted: a comma in a cell adds a value to its line.
QString csvText(const FlexGridData& grid);

// An HTML 4.0 page: the title in bold over a bordered table whose header row and column are
// bold. "&", "<" and ">" are escaped and every character beyond ASCII is a numeric character
// reference, so the page reads the same in any character set.
QString htmlText(const FlexGridData& grid, const QString& title);
