#include "GridTextSearch.h"

#include "platform/FlexGrid.h"

#include <algorithm>

namespace GridTextSearch {

bool matches(const QString& cellText, const QString& searchText) {
    if (searchText.isEmpty())
        return !cellText.trimmed().isEmpty(); // an empty lesson shows blank lines only
    return cellText.contains(searchText, Qt::CaseInsensitive);
}

bool hasBodyCells(const FlexGrid& g) {
    return g.Rows() > 1 && g.Cols() > 1;
}

Cell lastCell(const FlexGrid& g) {
    return {g.Rows() - 1, g.Cols() - 1};
}

Cell currentCell(const FlexGrid& g) {
    return {std::max(1, g.Row()), std::max(1, g.Col())};
}

bool step(FlexGrid& g) {
    if (!hasBodyCells(g))
        return false;
    if (g.Col() < g.Cols() - 1)
        return g.setCol(g.Col() + 1);
    if (g.Row() < g.Rows() - 1) {
        g.setRow(g.Row() + 1);
        return g.setCol(1);
    }
    return false;
}

bool scan(FlexGrid& g, const QString& searchText, Cell last) {
    if (!hasBodyCells(g))
        return false;
    last = std::min(last, lastCell(g));
    Cell at = currentCell(g);
    if (at > last)
        return false;
    for (; at.row <= last.row; ++at.row, at.col = 1) {
        const int end = at.row == last.row ? std::min(last.col, g.Cols() - 1) : g.Cols() - 1;
        for (; at.col <= end; ++at.col) {
            g.setRow(at.row);
            g.setCol(at.col);
            if (matches(g.Text(), searchText))
                return true;
        }
        g.setCol(1);
    }
    return false;
}

} // namespace GridTextSearch
