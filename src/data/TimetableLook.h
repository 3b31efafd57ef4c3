#pragma once

#include "DBConnection.h"
#include "Result.h"

#include <QList>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <array>
#include <optional>

// The twelve columns the format dialog edits, in the order of TimetableLook::columns(): the
// font, size and colour of the title, the column headers, the row headers and the periods.
inline constexpr int FormatColumnCount = 12;
using FormatValues = std::array<QString, FormatColumnCount>;

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
    // Empty texts as "", never null: the columns are NOT NULL.
    QVariantList values() const;
    FormatValues formatValues() const;

    bool operator==(const TimetableLook&) const = default;
};

// A preset look as the style lists show it.
struct NamedStyle {
    int id = 0;
    QString name;
    TimetableLook look;
};

namespace TimetableLooks {

// Every Style row, by id.
Result<QList<NamedStyle>> readStyles(const DBConnection& db);

// Nothing when the timetable or style has no row.
Result<std::optional<TimetableLook>> readTimetable(const DBConnection& db, int timetableId);
Result<std::optional<TimetableLook>> readStyle(const DBConnection& db, int styleId);

Result<void> save(const DBConnection& db, int timetableId, const TimetableLook& look);
// Writes the twelve columns in one statement, leaving the two unavailable colours alone.
Result<void> saveFormat(const DBConnection& db, int timetableId, const FormatValues& values);

// Gives the timetable the style's look in one statement; false (nothing written) when either
// has no row.
Result<bool> copyStyle(const DBConnection& db, int styleId, int timetableId);

} // namespace TimetableLooks
