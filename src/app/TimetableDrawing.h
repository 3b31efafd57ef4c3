#pragma once

#include "data/TimetableContent.h"

#include <QColor>
#include <QFont>

class FlexGrid;
class QLabel;

// The colours a timetable's look gives its cells, with the fallbacks for unreadable numbers.
struct TimetableColors {
    QColor lessonBack, periodFore, colHeadFore, rowHeadFore, titleFore;
    QColor unavailableBack, unavailableFore;

    static TimetableColors of(const TimetableLook& look);
};

// Draws a stored timetable as the screen shows it, onto any grid (a window's, or one made for
// an image or a printer) and, apart from it, its title.
class TimetableDrawing {
public:
    explicit TimetableDrawing(const TimetableContent& content) : m_content(content) {}

    // Rebuilds the headers, cells, sizes and colours; the current cell and selection stay
    // where the grid still has them.
    void drawGrid(FlexGrid& g) const;

    // Draws the stored cells again with lessons in `lessonFore`, leaving headers, sizes, the
    // current cell and the selection alone.
    void redrawCells(FlexGrid& g, const QColor& lessonFore) const;

    // Draws one cell again from the slot now stored there (none: empty), leaving the rest of
    // the grid, the current cell and the selection alone.
    void redrawCell(FlexGrid& g, int row, int col, const DrawnSlot* drawn) const;

    QFont titleFont() const;
    void drawTitle(QLabel& title) const;

private:
    void drawColumnHeaders(FlexGrid& g, const TimetableColors& colors, double baseSize) const;
    void drawDays(FlexGrid& g, const TimetableColors& colors, double baseSize) const;
    void drawCells(FlexGrid& g, const TimetableColors& colors, const QColor& lessonFore,
                   double baseSize) const;
    // Draws the current cell.
    void drawSlot(FlexGrid& g, const DrawnSlot& drawn, const TimetableColors& colors,
                  const QColor& lessonFore, double baseSize) const;

    const TimetableContent& m_content;
};
