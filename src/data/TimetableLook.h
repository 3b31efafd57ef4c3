#pragma once

#include "DBConnection.h"
#include "Result.h"

#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <optional>

// The fourteen formatting columns of a timetable (and of a Style), as text the way the
// database keeps them: fonts, font sizes and colour numbers.
struct TimetableLook {
    QString titleFont, titleFontSize, titleForeground;
    QString colHeadFont, colHeadFontSize, colHeadForeground;
    QString rowHeadFont, rowHeadFontSize, rowHeadForeground;
    QString periodFont, periodFontSize, periodForeground;
    QString unavailableBackground, unavailableForeground;

    // The column names, in the order of values().
    static const QStringList& columns();
    // Reads the columns by name; the record may hold others.
    static TimetableLook fromRecord(const QSqlRecord& record);
    QVariantList values() const;

    bool operator==(const TimetableLook&) const = default;
};

namespace TimetableLooks {

// Nothing when the timetable or style has no row.
Result<std::optional<TimetableLook>> readTimetable(const DBConnection& db, int timetableId);
Result<std::optional<TimetableLook>> readStyle(const DBConnection& db, int styleId);

Result<void> save(const DBConnection& db, int timetableId, const TimetableLook& look);

// Gives the timetable the style's look in one statement; false (nothing written) when either
// has no row.
Result<bool> copyStyle(const DBConnection& db, int styleId, int timetableId);

} // namespace TimetableLooks
