#pragma once

#include <QColor>
#include <QString>

#include <optional>

// What one cell sets for itself; anything unset falls back to the grid or its column.
struct FlexCellFormat {
    std::optional<QColor> backColor;
    std::optional<QColor> foreColor;
    std::optional<QString> fontName;
    std::optional<double> fontSize;
    std::optional<int> alignment;
};
