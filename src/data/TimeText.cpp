#include "TimeText.h"

#include <QRegularExpression>

namespace TimeText {

QString canonical(QTime time) {
    return QStringLiteral("%1:%2:00")
        .arg(time.hour(), 2, 10, QLatin1Char('0'))
        .arg(time.minute(), 2, 10, QLatin1Char('0'));
}

std::optional<QTime> parse(const QString& text) {
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*(\d{1,2}):(\d{2})(?::(\d{2}))?\s*([AaPp][Mm])?\s*$)"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    int hour = match.captured(1).toInt();
    const int minute = match.captured(2).toInt();
    const QString marker = match.captured(4).toUpper();
    if (!marker.isEmpty()) {
        if (hour < 1 || hour > 12)
            return std::nullopt;
        hour = hour % 12 + (marker == QLatin1String("PM") ? 12 : 0);
    }
    const QTime time(hour, minute);
    if (!time.isValid())
        return std::nullopt;
    return time;
}

QString clock12(QTime time) {
    const int hour12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    return QStringLiteral("%1:%2").arg(hour12).arg(time.minute(), 2, 10, QLatin1Char('0'));
}

QString display12(QTime time) {
    return clock12(time) + (time.hour() < 12 ? QStringLiteral(" AM") : QStringLiteral(" PM"));
}

QString periodHeader(QTime start, int durationMinutes) {
    // In 64 bits: a long period's seconds do not fit in an int. Only the time of day matters.
    constexpr qint64 SecondsPerDay = 24 * 60 * 60;
    const int secondsIntoDay = static_cast<int>(qint64(durationMinutes) * 60 % SecondsPerDay);
    return clock12(start) + QStringLiteral(" - ") + clock12(start.addSecs(secondsIntoDay));
}

} // namespace TimeText
