#include "DraggedSizes.h"

#include "data/TimetableContent.h"
#include "platform/FlexGrid.h"

namespace {

QHash<int, int> storedWidths(const TimetableContent& stored) {
    QHash<int, int> widths;
    for (const PeriodColumn& column : stored.columns)
        widths.insert(column.id, column.width);
    return widths;
}

QHash<int, int> storedHeights(const TimetableContent& stored) {
    QHash<int, int> heights;
    for (const DayRow& day : stored.days)
        heights.insert(day.id, day.height);
    return heights;
}

} // namespace

DraggedSizes DraggedSizes::of(const FlexGrid& g, const TimetableContent& stored) {
    DraggedSizes dragged;
    if (stored.id == 0)
        return dragged;
    if (g.RowHeight(0) != stored.fixedRowHeight)
        dragged.m_fixedRowHeight = g.RowHeight(0);
    if (g.ColWidth(0) != stored.fixedColWidth)
        dragged.m_fixedColWidth = g.ColWidth(0);
    const QHash<int, int> widths = storedWidths(stored);
    for (int c = 1; c < g.Cols(); ++c) {
        if (widths.value(g.ColData(c), g.ColWidth(c)) != g.ColWidth(c))
            dragged.m_widths.insert(g.ColData(c), g.ColWidth(c));
    }
    const QHash<int, int> heights = storedHeights(stored);
    for (int r = 1; r < g.Rows(); ++r) {
        if (heights.value(g.RowData(r), g.RowHeight(r)) != g.RowHeight(r))
            dragged.m_heights.insert(g.RowData(r), g.RowHeight(r));
    }
    return dragged;
}

void DraggedSizes::applyTo(FlexGrid& g) const {
    if (m_fixedRowHeight)
        g.setRowHeight(0, *m_fixedRowHeight);
    if (m_fixedColWidth)
        g.setColWidth(0, *m_fixedColWidth);
    for (int c = 1; c < g.Cols(); ++c) {
        if (const auto width = m_widths.constFind(g.ColData(c)); width != m_widths.constEnd())
            g.setColWidth(c, width.value());
    }
    for (int r = 1; r < g.Rows(); ++r) {
        if (const auto height = m_heights.constFind(g.RowData(r)); height != m_heights.constEnd())
            g.setRowHeight(r, height.value());
    }
}

TimetableGeometry DraggedSizes::geometryOf(const FlexGrid& g) {
    TimetableGeometry geometry;
    geometry.fixedRowHeight = g.RowHeight(0);
    geometry.fixedColWidth = g.ColWidth(0);
    for (int c = 1; c < g.Cols(); ++c)
        geometry.columnWidths.append({g.ColData(c), g.ColWidth(c)});
    for (int r = 1; r < g.Rows(); ++r)
        geometry.rowHeights.append({g.RowData(r), g.RowHeight(r)});
    return geometry;
}

bool DraggedSizes::differ(const FlexGrid& g, const TimetableContent& stored) {
    const DraggedSizes dragged = of(g, stored);
    return dragged.m_fixedRowHeight || dragged.m_fixedColWidth || !dragged.m_widths.isEmpty() ||
           !dragged.m_heights.isEmpty();
}

void DraggedSizes::keep(const FlexGrid& g, TimetableContent& stored) {
    stored.fixedRowHeight = g.RowHeight(0);
    stored.fixedColWidth = g.ColWidth(0);
    QHash<int, int> widths;
    for (int c = 1; c < g.Cols(); ++c)
        widths.insert(g.ColData(c), g.ColWidth(c));
    for (PeriodColumn& column : stored.columns)
        column.width = widths.value(column.id, column.width);
    QHash<int, int> heights;
    for (int r = 1; r < g.Rows(); ++r)
        heights.insert(g.RowData(r), g.RowHeight(r));
    for (DayRow& day : stored.days)
        day.height = heights.value(day.id, day.height);
}
