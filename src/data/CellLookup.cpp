#include "CellLookup.h"

#include "NumberText.h"
#include "TimeText.h"

#include <QSqlRecord>
#include <QVariant>

namespace CellLookup {

Result<std::optional<SlotKey>> keyForCell(const DBConnection& db, const TimetableView& view,
                                          int yTitleId, int xTitleId) {
    const std::optional<ViewKind> owner = view.kind();
    if (!owner)
        return Error{QStringLiteral("The timetable %1 is of an unknown kind (\"%2\").")
                         .arg(view.id)
                         .arg(view.viewBy)};
    Result<std::optional<QSqlRecord>> day =
        db.firstRow(QStringLiteral("SELECT DOW FROM YTitle WHERE ID = ?"), {yTitleId});
    if (!day)
        return day.error();
    Result<std::optional<QSqlRecord>> period = db.firstRow(
        QStringLiteral("SELECT StartTime, Duration FROM XTitle WHERE ID = ?"), {xTitleId});
    if (!period)
        return period.error();
    if (!day.value() || !period.value())
        return std::optional<SlotKey>();

    const QString startText = period.value()->value(0).toString();
    const std::optional<QTime> start = TimeText::parse(startText);
    if (!start)
        return Error{QStringLiteral("The period %1 has no valid start time (\"%2\").")
                         .arg(xTitleId)
                         .arg(startText)};
    return std::optional<SlotKey>(
        SlotKey{*start, day.value()->value(0).toString(),
                NumberText::minutes(period.value()->value(1).toString()).value_or(0), *owner,
                view.ownerId()});
}

Result<std::optional<SlotRow>> ownRow(const DBConnection& db, const SlotKey& key) {
    // The owner's (owner, StartTime, DOW) index answers with the cell's own few rows, already
    // by id; the time index would read one row per class of the school at that time.
    Result<std::optional<QSqlRecord>> row = db.firstRow(
        QStringLiteral(
            "SELECT %1 FROM Slot WHERE %2 = ? AND StartTime = ? AND DOW = ? ORDER BY ID LIMIT 1")
            .arg(SlotRow::selectColumns(), ownerColumn(key.owner)),
        {key.ownerId, key.startText(), key.dow});
    if (!row)
        return row.error();
    if (!row.value())
        return std::optional<SlotRow>();
    return std::optional<SlotRow>(SlotRow::fromRecord(*row.value()));
}

Result<std::optional<CellSlot>> lookup(const DBConnection& db, const TimetableView& view,
                                       int yTitleId, int xTitleId) {
    Result<std::optional<SlotKey>> key = keyForCell(db, view, yTitleId, xTitleId);
    if (!key)
        return key.error();
    if (!key.value())
        return std::optional<CellSlot>();
    Result<std::optional<SlotRow>> row = ownRow(db, *key.value());
    if (!row)
        return row.error();
    return std::optional<CellSlot>(CellSlot{*key.value(), row.value()});
}

} // namespace CellLookup
