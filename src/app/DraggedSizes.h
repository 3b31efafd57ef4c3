#pragma once

#include <QHash>

#include <optional>

class FlexGrid;
struct TimetableContent;
struct TimetableGeometry;

// The header sizes, column widths and row heights a user has set on a grid since they were last
// stored: a redraw from the database puts them back, so a drag is not lost before it is saved.
class DraggedSizes {
public:
    // The grid's sizes that differ from `stored`, the sizes of its last drawing; nothing on a
    // grid not drawn yet.
    static DraggedSizes of(const FlexGrid& g, const TimetableContent& stored);
    // Sets the kept sizes on the columns and rows the grid still has.
    void applyTo(FlexGrid& g) const;

    // The grid's sizes as the database keeps them.
    static TimetableGeometry geometryOf(const FlexGrid& g);
    // Whether the grid's sizes differ from `stored`; never on a grid not drawn yet.
    static bool differ(const FlexGrid& g, const TimetableContent& stored);
    // Takes the grid's sizes into `stored`, once they are saved.
    static void keep(const FlexGrid& g, TimetableContent& stored);

private:
    std::optional<int> m_fixedRowHeight;
    std::optional<int> m_fixedColWidth;
    QHash<int, int> m_widths;  // by XTitle id
    QHash<int, int> m_heights; // by YTitle id
};
