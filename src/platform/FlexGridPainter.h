#pragma once

#include <QFont>
#include <QRect>

class FlexGridData;
class FlexGridLayout;
class QPainter;

// The one drawing routine of the grid, for the screen, bitmaps and printing: cell backgrounds,
// texts and grid lines, plus the selection and focus marks when asked for.
class FlexGridPainter {
public:
    struct Marks {
        bool selection = false; // highlight the selected block (but the current cell)
        bool focus = false;     // dotted rectangle in the current cell
        bool current = false;   // highlight the current cell with the selected block
    };

    FlexGridPainter(const FlexGridData& data, const QFont& gridFont, double twipsPerPixel);

    // Draws the cells of `layout` that meet `area` (in the painter's coordinates).
    void paint(QPainter& painter, const FlexGridLayout& layout, const QRect& area,
               Marks marks) const;
    // Lines along the top and left edges of `whole`: cells draw only their right and bottom
    // lines, so a picture of the grid is open on those two sides without them.
    void paintTopLeftEdges(QPainter& painter, const QRect& whole) const;

private:
    void paintCell(QPainter& painter, int row, int col, const QRect& rect, Marks marks) const;
    void paintText(QPainter& painter, int row, int col, const QRect& inner,
                   const QColor& color) const;
    void paintFocus(QPainter& painter, const QRect& inner, const QColor& background) const;
    QFont scaledFont(const QFont& font, const QPainter& painter) const;
    int twipsToPixels(int twips) const;

    const FlexGridData& m_data;
    QFont m_gridFont;
    double m_twipsPerPixel;
};
