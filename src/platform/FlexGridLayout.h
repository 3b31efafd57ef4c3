#pragma once

#include <QSize>

#include <vector>

class FlexGridData;

// Where rows and columns fall in pixels: the fixed row and the fixed columns (none or one) from
// 0, then the scrollable ones from the first shown until the extent is filled. Sizes are rounded
// per row and column, so the screen, bitmaps and hit tests agree.
class FlexGridLayout {
public:
    struct Span {
        int index;
        int start;
        int size;
        int end() const { return start + size; }
    };

    // The rows and columns shown in `extent` pixels from TopRow and LeftCol.
    static FlexGridLayout visible(const FlexGridData& data, double twipsPerPixel, QSize extent);
    // Every row and column from the top-left.
    static FlexGridLayout whole(const FlexGridData& data, double twipsPerPixel);

    // Twips to pixels at the given scale, as the layout rounds them.
    static int pixels(int twips, double twipsPerPixel);
    // The greatest first scrollable index (`fixed` or more) with which the last ones still fill
    // `available` pixels: the end of a scroll bar's range.
    static int lastFirstShown(const std::vector<int>& pixelSizes, int fixed, int available);

    const std::vector<Span>& rows() const { return m_rows; }
    const std::vector<Span>& cols() const { return m_cols; }
    const Span* row(int index) const { return find(m_rows, index); }
    const Span* col(int index) const { return find(m_cols, index); }
    int rowAt(int y) const { return indexAt(m_rows, y); }
    int colAt(int x) const { return indexAt(m_cols, x); }
    QSize size() const;

private:
    static std::vector<Span> spans(int count, int fixed, int first, int limit, double twipsPerPixel,
                                   int (FlexGridData::*sizeOf)(int) const,
                                   const FlexGridData& data);
    static const Span* find(const std::vector<Span>& spans, int index);
    static int indexAt(const std::vector<Span>& spans, int position);

    std::vector<Span> m_rows;
    std::vector<Span> m_cols;
};
