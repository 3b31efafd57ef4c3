#include "ColorNumber.h"

#include "data/NumberText.h"

#include <QGuiApplication>
#include <QPalette>

namespace ColorNumber {

namespace {

QColor systemColor(std::uint32_t index) {
    const QPalette palette = QGuiApplication::palette();
    switch (index) {
    case 5: // window background
        return palette.color(QPalette::Base);
    case 6: // window frame
    case 8: // window text
        return palette.color(QPalette::Text);
    case 13: // highlight
        return palette.color(QPalette::Highlight);
    case 14: // highlight text
        return palette.color(QPalette::HighlightedText);
    case 15: // button face
        return palette.color(QPalette::Button);
    case 16: // button shadow
        return palette.color(QPalette::Mid);
    case 17: // grey text
        return palette.color(QPalette::PlaceholderText);
    case 18: // button text
        return palette.color(QPalette::ButtonText);
    case 20: // button highlight
        return palette.color(QPalette::Light);
    case 24: // tool tip background
        return palette.color(QPalette::ToolTipBase);
    case 23: // tool tip text
        return palette.color(QPalette::ToolTipText);
    default:
        return palette.color(QPalette::Window);
    }
}

} // namespace

QColor toColor(std::uint32_t number) {
    if (number & 0x80000000u)
        return systemColor(number & 0xFFu);
    return QColor(number & 0xFF, (number >> 8) & 0xFF, (number >> 16) & 0xFF);
}

QColor fromText(const QString& text, const QColor& fallback) {
    const std::optional<std::uint32_t> number = NumberText::colourNumber(text);
    return number ? toColor(*number) : fallback;
}

std::uint32_t fromColor(const QColor& color) {
    return static_cast<std::uint32_t>(color.red()) |
           (static_cast<std::uint32_t>(color.green()) << 8) |
           (static_cast<std::uint32_t>(color.blue()) << 16);
}

} // namespace ColorNumber
