#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// Numbers the database keeps as text (colours, font sizes). Bad or empty text never crashes:
// it gives the caller's default.
namespace NumberText {

// A colour number (00BBGGRR, or a system colour with the high bit set) from decimal text.
// Negative text is read as the 32-bit pattern it stands for.
std::optional<std::uint32_t> colourNumber(const QString& text);

// A font size in points; sizes at or below zero are refused.
std::optional<float> fontSize(const QString& text);

// A whole number of twips.
std::optional<int> twips(const QString& text);

} // namespace NumberText
