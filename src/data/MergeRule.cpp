#include "MergeRule.h"

#include <QStringList>
#include <QVariant>

namespace MergeRule {

Result<std::optional<SlotRow>> findFreeRow(const DBConnection& db, const SlotKey& key,
                                           const SlotIds& wanted) {
    if (wanted.nonOwnerBlank(key.owner))
        return std::optional<SlotRow>();

    // A wanted resource's (resource, StartTime, DOW) index holds its few rows at that time.
    // The owner's "none" may be in many rows then, so its index serves only when nothing
    // else is wanted; the time index would read one row per class of the school.
    QString conditions;
    QVariantList values{key.startText(), key.dow};
    for (ViewKind resource : otherResources(key.owner)) {
        if (wanted.resource(resource) == SlotIds::None)
            continue;
        conditions += QStringLiteral(" AND %1 = ?").arg(ownerColumn(resource));
        values << wanted.resource(resource);
    }
    const QString ownerTest =
        conditions.isEmpty() ? QStringLiteral("%1 = 1") : QStringLiteral("+%1 = 1");
    Result<std::optional<QSqlRecord>> row = db.firstRow(
        QStringLiteral("SELECT %1 FROM Slot WHERE +SpecialID = 1 AND StartTime = ? AND DOW = ? "
                       "AND %2%3 ORDER BY ID LIMIT 1")
            .arg(SlotRow::selectColumns(), ownerTest.arg(ownerColumn(key.owner)), conditions),
        values);
    if (!row)
        return row.error();
    if (!row.value())
        return std::optional<SlotRow>();
    return std::optional<SlotRow>(SlotRow::fromRecord(*row.value()));
}

SlotIds takeOver(const SlotRow& freeRow, const SlotKey& key, int specialId) {
    SlotIds ids = freeRow.ids.withResource(key.owner, key.ownerId);
    ids.specialId = specialId;
    return ids;
}

} // namespace MergeRule
