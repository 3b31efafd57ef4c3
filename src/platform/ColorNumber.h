#pragma once

#include <QColor>
#include <QString>

#include <cstdint>

// Colour numbers as the database keeps them: 00BBGGRR, red in the low byte; a number with the
// high bit set names a system colour, which maps to the palette.
namespace ColorNumber {

inline constexpr std::uint32_t White = 16777215;

QColor toColor(std::uint32_t number);
// Empty or bad text gives the fallback, never a crash.
QColor fromText(const QString& text, const QColor& fallback);
std::uint32_t fromColor(const QColor& color);

} // namespace ColorNumber
