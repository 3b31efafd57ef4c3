#pragma once

#include <QString>
#include <QTime>

#include <optional>

// Times of day as the database keeps them (HH:MM:SS, 24-hour, whole minutes) and as the
// program shows them (12-hour). Stored times are always bound as text: one form, one match.
namespace TimeText {

// "13:05:00" for 1:05 PM; seconds are dropped.
QString canonical(QTime time);

// Reads "13:05:00", "13:05", "1:05 PM", "1:05:00 PM", "1:05PM" (any case). Empty on bad text.
std::optional<QTime> parse(const QString& text);

// "1:05 PM".
QString display12(QTime time);

// "1:05": the 12-hour form without the AM/PM marker, as period headers show it.
QString clock12(QTime time);

// "9:00 - 9:40" for a period starting at 9:00 AM lasting 40 minutes.
QString periodHeader(QTime start, int durationMinutes);

} // namespace TimeText
