#include "TimetableSlots.h"

#include "TimeText.h"

#include <QVariant>

namespace {

QString cellKey(const QString& start, const QString& dow) {
    return start + QLatin1Char('|') + dow;
}

} // namespace

Result<TimetableSlots> TimetableSlots::read(const DBConnection& db, const TimetableView& view) {
    const std::optional<ViewKind> owner = view.kind();
    if (!owner)
        return Error{QStringLiteral("The timetable %1 is of an unknown kind (\"%2\").")
                         .arg(view.id)
                         .arg(view.viewBy)};
    TimetableSlots stored;

    Result<QSqlQuery> days =
        db.exec(QStringLiteral("SELECT ID, DOW FROM YTitle WHERE TimeTableViewID = ?"), {view.id});
    if (!days)
        return days.error();
    while (days.value().next())
        stored.m_days.insert(days.value().value(0).toInt(), days.value().value(1).toString());

    Result<QSqlQuery> periods = db.exec(
        QStringLiteral("SELECT ID, StartTime FROM XTitle WHERE TimeTableViewID = ?"), {view.id});
    if (!periods)
        return periods.error();
    while (periods.value().next()) {
        const QString text = periods.value().value(1).toString();
        const std::optional<QTime> start = TimeText::parse(text);
        if (!start)
            return Error{QStringLiteral("The period %1 has no valid start time (\"%2\").")
                             .arg(periods.value().value(0).toInt())
                             .arg(text)};
        stored.m_starts.insert(periods.value().value(0).toInt(), TimeText::canonical(*start));
    }

    Result<QSqlQuery> rows = db.exec(
        QStringLiteral("SELECT %1, StartTime, DOW FROM Slot WHERE %2 = ? "
                       "AND DOW IN (SELECT DOW FROM YTitle WHERE TimeTableViewID = ?) ORDER BY ID")
            .arg(SlotRow::selectColumns(), ownerColumn(*owner)),
        {view.ownerId(), view.id});
    if (!rows)
        return rows.error();
    QSqlQuery& q = rows.value();
    while (q.next()) {
        const QSqlRecord record = q.record();
        const QString key = cellKey(record.value(QStringLiteral("StartTime")).toString(),
                                    record.value(QStringLiteral("DOW")).toString());
        if (!stored.m_rows.contains(key))
            stored.m_rows.insert(key, SlotRow::fromRecord(record));
    }
    return stored;
}

std::optional<SlotRow> TimetableSlots::rowAt(int yTitleId, int xTitleId) const {
    const auto day = m_days.constFind(yTitleId);
    const auto start = m_starts.constFind(xTitleId);
    if (day == m_days.constEnd() || start == m_starts.constEnd())
        return std::nullopt;
    const auto row = m_rows.constFind(cellKey(start.value(), day.value()));
    if (row == m_rows.constEnd())
        return std::nullopt;
    return row.value();
}
