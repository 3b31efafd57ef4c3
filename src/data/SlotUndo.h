#pragma once

#include "SlotIds.h"
#include "SlotKey.h"

// One step of undo: the row a write touched and everything it held before.
// Undo puts that row back exactly as it was rather than writing old values into "the cell":
// a row the write took over from another timetable goes back to that timetable untouched (its
// lesson is not emptied), and a row the write added becomes an empty period of the owner, as
// the cell was empty before (Slot rows are never deleted).
struct SlotUndo {
    SlotKey key;    // the cell written; its owner is the one the clash check excuses
    int rowId = 0;  // the Slot row written
    SlotIds before; // that row's ids before the write (the owner's empty period if it was new)
};
