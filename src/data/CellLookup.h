#pragma once

#include "DBConnection.h"
#include "Result.h"
#include "SlotKey.h"
#include "SlotRow.h"
#include "TimetableView.h"

#include <optional>

// A grid cell's key and its own stored row (none when the cell is empty without a row).
struct CellSlot {
    SlotKey key;
    std::optional<SlotRow> row;
};

// The one way every reader finds the row behind a cell. A cell is addressed by the ids its
// grid keeps: the YTitle id of its row and the XTitle id of its column.
namespace CellLookup {

// Nothing when the day or the period row is missing. An error when the timetable's ViewBy is
// not a kind of owner or the period's stored start is not a time.
Result<std::optional<SlotKey>> keyForCell(const DBConnection& db, const TimetableView& view,
                                          int yTitleId, int xTitleId);

// The first row (lowest id) at the key's start and day that carries the key's owner.
Result<std::optional<SlotRow>> ownRow(const DBConnection& db, const SlotKey& key);

// Both of the above.
Result<std::optional<CellSlot>> lookup(const DBConnection& db, const TimetableView& view,
                                       int yTitleId, int xTitleId);

} // namespace CellLookup
