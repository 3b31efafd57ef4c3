#include "GridHelpers.h"

#include "platform/FlexGrid.h"

namespace {

template <typename SizeOf>
int indexAt(int position, int firstScrollable, int count, SizeOf sizeOf) {
    long long sum = sizeOf(0);
    if (position < sum)
        return 0;
    for (int i = firstScrollable; i < count; ++i) {
        sum += sizeOf(i);
        if (position < sum)
            return i;
    }
    return -1;
}

} // namespace

int GetGridColAtX(const FlexGrid& grid, int x) {
    return indexAt(x, grid.LeftCol(), grid.Cols(), [&grid](int c) { return grid.ColWidth(c); });
}

int GetGridRowAtY(const FlexGrid& grid, int y) {
    return indexAt(y, grid.TopRow(), grid.Rows(), [&grid](int r) { return grid.RowHeight(r); });
}
