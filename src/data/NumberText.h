#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// Numbers the database keeps (colours, font sizes, sizes, durations), read from their text.
// Bad, empty or out-of-range text never crashes or wraps: it gives the caller's default.
namespace NumberText {

// A colour number (00BBGGRR, or a system colour with the high bit set) from decimal text.
// Negative text is read as the 32-bit pattern it stands for.
std::optional<std::uint32_t> colourNumber(const QString& text);

// A font size in points; sizes at or below zero are refused.
std::optional<float> fontSize(const QString& text);

// A whole number of twips, at most MaxTwips: a size the grid can add up without overflowing.
inline constexpr int MaxTwips = 1000000;
std::optional<int> twips(const QString& text);

// A whole number of minutes from zero up to the largest 32-bit number.
std::optional<int> minutes(const QString& text);

} // namespace NumberText
