#pragma once

#include "DBConnection.h"
#include "Result.h"

#include <optional>

// A period column's kind: Lunch makes its header show "Lunch"; anything else is an ordinary
// column that shows its times.
namespace LunchColumn {

// The column's special id; nothing when the period has no XTitle row.
Result<std::optional<int>> specialIdOf(const DBConnection& db, int xTitleId);

Result<void> setSpecialId(const DBConnection& db, int xTitleId, int specialId);

} // namespace LunchColumn
