#include "LunchColumn.h"

#include <QVariant>

namespace LunchColumn {

Result<std::optional<int>> specialIdOf(const DBConnection& db, int xTitleId) {
    Result<std::optional<QSqlRecord>> row =
        db.firstRow(QStringLiteral("SELECT SpecialID FROM XTitle WHERE ID = ?"), {xTitleId});
    if (!row)
        return row.error();
    if (!row.value())
        return std::optional<int>();
    return std::optional<int>(row.value()->value(0).toInt());
}

Result<void> setSpecialId(const DBConnection& db, int xTitleId, int specialId) {
    return db.run(QStringLiteral("UPDATE XTitle SET SpecialID = ? WHERE ID = ?"),
                  {specialId, xTitleId});
}

} // namespace LunchColumn
