#include "NumberText.h"

namespace NumberText {

std::optional<std::uint32_t> colourNumber(const QString& text) {
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    if (!ok || value < INT32_MIN || value > UINT32_MAX)
        return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

std::optional<float> fontSize(const QString& text) {
    bool ok = false;
    const float value = text.trimmed().toFloat(&ok);
    if (!ok || !(value > 0.0f) || value > 1000.0f)
        return std::nullopt;
    return value;
}

std::optional<int> twips(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    // Written so that "nan" fails as well.
    if (!ok || !(value >= 0 && value <= MaxTwips))
        return std::nullopt;
    return static_cast<int>(value + 0.5);
}

std::optional<int> minutes(const QString& text) {
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    if (!ok || value < 0 || value > INT32_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}

} // namespace NumberText
