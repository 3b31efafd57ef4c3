#include "RandomPick.h"

#include <algorithm>
#include <cmath>

int drawIndex(double r, int count) {
    const int index = static_cast<int>(std::floor(r * count));
    return std::clamp(index, 0, count - 1);
}

void RandomizeArray(QList<int>& ArrayIn, const RandomDraw& draw) {
    for (qsizetype i = ArrayIn.size() - 1; i >= 0; --i)
        ArrayIn.swapItemsAt(i, drawIndex(draw(), int(i) + 1));
}
