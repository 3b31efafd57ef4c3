#pragma once

#include "DBConnection.h"
#include "Result.h"
#include "SlotKey.h"
#include "SlotRow.h"

#include <optional>

// How a cell without a row of its own shares a row another timetable already made: a lesson
// written into a class cell joins the tutor's free row at that time instead of adding a second.
namespace MergeRule {

// The first free row (an ordinary period naming nobody of the owner's kind) at the key's start
// and day that agrees with every other resource being written. Nothing when `wanted` holds no
// subject and no other resource: clearing a cell or marking it Unavailable, Lunch or Break
// must never take over, and so empty or grey, another timetable's lesson.
Result<std::optional<SlotRow>> findFreeRow(const DBConnection& db, const SlotKey& key,
                                           const SlotIds& wanted);

// The ids a taken-over row is written with: its own subject and other resources, the key's
// owner, and the special id being written.
SlotIds takeOver(const SlotRow& freeRow, const SlotKey& key, int specialId);

} // namespace MergeRule
