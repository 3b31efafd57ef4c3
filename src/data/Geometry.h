#pragma once

// Default sizes in twips; the column defaults of db.sql and a fresh grid use the same values.
namespace Geometry {
inline constexpr int DefaultFixedRowHeight = 570;
inline constexpr int DefaultFixedColWidth = 1200;
inline constexpr int DefaultColWidth = 1500;
inline constexpr int DefaultRowHeight = 1050;
} // namespace Geometry
