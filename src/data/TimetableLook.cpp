#include "TimetableLook.h"

namespace {

// One list of the columns and the members they fill, so the two never drift apart.
struct LookColumn {
    const char* name;
    QString TimetableLook::*member;
};

constexpr LookColumn LookColumns[] = {
    {"TitleFont", &TimetableLook::titleFont},
    {"TitleFontSize", &TimetableLook::titleFontSize},
    {"TitleForeground", &TimetableLook::titleForeground},
    {"ColHeadFont", &TimetableLook::colHeadFont},
    {"ColHeadFontSize", &TimetableLook::colHeadFontSize},
    {"ColHeadForeground", &TimetableLook::colHeadForeground},
    {"RowHeadFont", &TimetableLook::rowHeadFont},
    {"RowHeadFontSize", &TimetableLook::rowHeadFontSize},
    {"RowHeadForeground", &TimetableLook::rowHeadForeground},
    {"PeriodFont", &TimetableLook::periodFont},
    {"PeriodFontSize", &TimetableLook::periodFontSize},
    {"PeriodForeground", &TimetableLook::periodForeground},
    {"UnavailableBackground", &TimetableLook::unavailableBackground},
    {"UnavailableForeground", &TimetableLook::unavailableForeground},
};

// A null text would be bound as NULL.
QString boundText(const QString& text) {
    return text.isNull() ? QString(0, QChar()) : text;
}

Result<void> updateColumns(const DBConnection& db, int timetableId, const QStringList& columns,
                           QVariantList values) {
    values << timetableId;
    return db.run(QStringLiteral("UPDATE TimeTableView SET %1 = ? WHERE ID = ?")
                      .arg(columns.join(QStringLiteral(" = ?, "))),
                  values);
}

QString columnList() {
    return TimetableLook::columns().join(QStringLiteral(", "));
}

Result<std::optional<TimetableLook>> readFrom(const DBConnection& db, const QString& table,
                                              int id) {
    Result<std::optional<QSqlRecord>> row = db.firstRow(
        QStringLiteral("SELECT %1 FROM %2 WHERE ID = ?").arg(columnList(), table), {id});
    if (!row)
        return row.error();
    if (!row.value())
        return std::optional<TimetableLook>();
    return std::optional<TimetableLook>(TimetableLook::fromRecord(*row.value()));
}

} // namespace

const QStringList& TimetableLook::columns() {
    static const QStringList names = [] {
        QStringList list;
        for (const LookColumn& column : LookColumns)
            list << QString::fromLatin1(column.name);
        return list;
    }();
    return names;
}

TimetableLook TimetableLook::fromRecord(const QSqlRecord& record) {
    TimetableLook look;
    for (const LookColumn& column : LookColumns)
        look.*column.member = record.value(QString::fromLatin1(column.name)).toString();
    return look;
}

QVariantList TimetableLook::values() const {
    QVariantList list;
    for (const LookColumn& column : LookColumns)
        list << boundText(this->*column.member);
    return list;
}

FormatValues TimetableLook::formatValues() const {
    FormatValues format;
    for (int i = 0; i < FormatColumnCount; ++i)
        format[i] = this->*LookColumns[i].member;
    return format;
}

namespace TimetableLooks {

Result<std::optional<TimetableLook>> readTimetable(const DBConnection& db, int timetableId) {
    return readFrom(db, QStringLiteral("TimeTableView"), timetableId);
}

Result<std::optional<TimetableLook>> readStyle(const DBConnection& db, int styleId) {
    return readFrom(db, QStringLiteral("Style"), styleId);
}

Result<QList<NamedStyle>> readStyles(const DBConnection& db) {
    Result<QSqlQuery> query =
        db.exec(QStringLiteral("SELECT ID, Name, %1 FROM Style ORDER BY ID").arg(columnList()));
    if (!query)
        return query.error();
    QList<NamedStyle> styles;
    while (query.value().next()) {
        const QSqlRecord record = query.value().record();
        styles.append({record.value(0).toInt(), record.value(1).toString(),
                       TimetableLook::fromRecord(record)});
    }
    return styles;
}

Result<void> save(const DBConnection& db, int timetableId, const TimetableLook& look) {
    return updateColumns(db, timetableId, TimetableLook::columns(), look.values());
}

Result<void> saveFormat(const DBConnection& db, int timetableId, const FormatValues& values) {
    QVariantList bound;
    for (const QString& value : values)
        bound << boundText(value);
    return updateColumns(db, timetableId, TimetableLook::columns().first(FormatColumnCount), bound);
}

Result<bool> copyStyle(const DBConnection& db, int styleId, int timetableId) {
    const QString columns = columnList();
    Result<QSqlQuery> query = db.exec(
        QStringLiteral("UPDATE TimeTableView SET (%1) = (SELECT %1 FROM Style WHERE ID = ?) "
                       "WHERE ID = ? AND EXISTS (SELECT 1 FROM Style WHERE ID = ?)")
            .arg(columns),
        {styleId, timetableId, styleId});
    if (!query)
        return query.error();
    return query.value().numRowsAffected() > 0;
}

} // namespace TimetableLooks
