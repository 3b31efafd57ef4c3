#include "FlexGridLayout.h"

#include "platform/FlexGridData.h"

#include <climits>
#include <cmath>

int FlexGridLayout::pixels(int twips, double twipsPerPixel) {
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

FlexGridLayout FlexGridLayout::visible(const FlexGridData& data, double twipsPerPixel,
                                       QSize extent) {
    FlexGridLayout layout;
    layout.m_rows = spans(data.rows(), 1, data.topRow(), extent.height(), twipsPerPixel,
                          &FlexGridData::rowHeight, data);
    layout.m_cols = spans(data.cols(), data.fixedCols(), data.leftCol(), extent.width(),
                          twipsPerPixel, &FlexGridData::colWidth, data);
    return layout;
}

FlexGridLayout FlexGridLayout::whole(const FlexGridData& data, double twipsPerPixel) {
    FlexGridLayout layout;
    layout.m_rows =
        spans(data.rows(), 1, 1, INT_MAX, twipsPerPixel, &FlexGridData::rowHeight, data);
    layout.m_cols = spans(data.cols(), data.fixedCols(), data.fixedCols(), INT_MAX, twipsPerPixel,
                          &FlexGridData::colWidth, data);
    return layout;
}

std::vector<FlexGridLayout::Span> FlexGridLayout::spans(int count, int fixed, int first, int limit,
                                                        double twipsPerPixel,
                                                        int (FlexGridData::*sizeOf)(int) const,
                                                        const FlexGridData& data) {
    std::vector<Span> result;
    long long position = 0;
    for (int index = 0; index < fixed && index < count; ++index) {
        const int size = pixels((data.*sizeOf)(index), twipsPerPixel);
        result.push_back({index, static_cast<int>(position), size});
        position += size;
    }
    for (int index = first; index < count && position < limit; ++index) {
        const int size = pixels((data.*sizeOf)(index), twipsPerPixel);
        result.push_back({index, static_cast<int>(position), size});
        position += size;
    }
    return result;
}

int FlexGridLayout::lastFirstShown(const std::vector<int>& pixelSizes, int fixed, int available) {
    // Walk back from the end while the scrollable ones still fit.
    int first = static_cast<int>(pixelSizes.size()) - 1;
    if (first < fixed) {
        return fixed;
    }
    long long used = pixelSizes[first];
    while (first > fixed && used + pixelSizes[first - 1] <= available) {
        --first;
        used += pixelSizes[first];
    }
    return first;
}

const FlexGridLayout::Span* FlexGridLayout::find(const std::vector<Span>& spans, int index) {
    for (const Span& span : spans) {
        if (span.index == index) {
            return &span;
        }
    }
    return nullptr;
}

int FlexGridLayout::indexAt(const std::vector<Span>& spans, int position) {
    for (const Span& span : spans) {
        if (position >= span.start && position < span.end()) {
            return span.index;
        }
    }
    return -1;
}

QSize FlexGridLayout::size() const {
    const int width = m_cols.empty() ? 0 : m_cols.back().end();
    const int height = m_rows.empty() ? 0 : m_rows.back().end();
    return {width, height};
}
