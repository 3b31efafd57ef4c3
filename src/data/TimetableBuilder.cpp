#include "TimetableBuilder.h"

#include "TimeText.h"
#include "TimetableLook.h"

namespace {

// Adds many rows of the same columns in one statement.
Result<void> insertRows(const DBConnection& db, const QString& table, const QStringList& columns,
                        const QList<QVariantList>& rows) {
    if (rows.isEmpty())
        return {};
    const QString marks =
        QStringLiteral("(") + QStringList(columns.size(), QStringLiteral("?")).join(',') + ')';
    QVariantList values;
    for (const QVariantList& row : rows)
        values += row;
    return db.run(QStringLiteral("INSERT INTO %1 (%2) VALUES %3")
                      .arg(table, columns.join(QStringLiteral(", ")),
                           QStringList(rows.size(), marks).join(QStringLiteral(", "))),
                  values);
}

Result<int> addView(const DBConnection& db, const NewTimetable& timetable,
                    const TimetableLook& look) {
    QList<DBConnection::Field> fields{{QStringLiteral("ViewBy"), viewKindText(timetable.kind)},
                                      // "", not null: the column is NOT NULL.
                                      {QStringLiteral("Name"), QStringLiteral("")},
                                      {ownerColumn(timetable.kind), timetable.ownerId}};
    const QStringList& columns = TimetableLook::columns();
    const QVariantList values = look.values();
    for (qsizetype i = 0; i < columns.size(); ++i)
        fields.append({columns[i], values[i]});
    return db.insertRow(QStringLiteral("TimeTableView"), fields);
}

Result<void> addPeriods(const DBConnection& db, int timetableId, const QList<QTime>& boundaries) {
    QList<QVariantList> rows;
    for (qsizetype i = 0; i + 1 < boundaries.size(); ++i)
        rows.append({timetableId, TimeText::canonical(boundaries[i]),
                     TimetableBuilder::minutesBetween(boundaries[i], boundaries[i + 1])});
    return insertRows(db, QStringLiteral("XTitle"),
                      {QStringLiteral("TimeTableViewID"), QStringLiteral("StartTime"),
                       QStringLiteral("Duration")},
                      rows);
}

Result<void> addDays(const DBConnection& db, int timetableId, const QStringList& days) {
    // One statement keeps the rows in list order: the window shows days in the order added.
    QList<QVariantList> rows;
    for (const QString& day : days)
        rows.append({timetableId, day});
    return insertRows(db, QStringLiteral("YTitle"),
                      {QStringLiteral("TimeTableViewID"), QStringLiteral("DOW")}, rows);
}

} // namespace

namespace TimetableBuilder {

int minutesBetween(QTime from, QTime to) {
    return (to.hour() * 60 + to.minute()) - (from.hour() * 60 + from.minute());
}

Result<std::optional<int>> build(const DBConnection& db, const NewTimetable& timetable) {
    Transaction transaction(db);
    if (!transaction.started())
        return transaction.started().error();
    Result<std::optional<TimetableLook>> look = TimetableLooks::readStyle(db, timetable.styleId);
    if (!look)
        return look.error();
    if (!look.value())
        return std::optional<int>();
    Result<int> id = addView(db, timetable, *look.value());
    if (!id)
        return id.error();
    if (Result<void> periods = addPeriods(db, id.value(), timetable.boundaries); !periods)
        return periods.error();
    if (Result<void> days = addDays(db, id.value(), timetable.days); !days)
        return days.error();
    if (Result<void> committed = transaction.commit(); !committed)
        return committed.error();
    return std::optional<int>(id.value());
}

} // namespace TimetableBuilder
