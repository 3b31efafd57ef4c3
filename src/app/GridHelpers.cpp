#include "GridHelpers.h"

#include "platform/FlexGrid.h"

namespace {

template <typename SizeOf>
int indexAt(int position, int fixed, int firstScrollable, int count, SizeOf sizeOf) {
    long long sum = 0;
    for (int i = 0; i < fixed && i < count; ++i) {
        sum += sizeOf(i);
        if (position < sum)
            return i;
    }
    for (int i = firstScrollable; i < count; ++i) {
        sum += sizeOf(i);
        if (position < sum)
            return i;
    }
    return -1;
}

} // namespace

int GetGridColAtX(const FlexGrid& grid, int x) {
    return indexAt(x, grid.FixedCols(), grid.LeftCol(), grid.Cols(),
                   [&grid](int c) { return grid.ColWidth(c); });
}

int GetGridRowAtY(const FlexGrid& grid, int y) {
    return indexAt(y, 1, grid.TopRow(), grid.Rows(), [&grid](int r) { return grid.RowHeight(r); });
}
