#pragma once

#include "ClashCheck.h"
#include "SlotIds.h"
#include "SlotUndo.h"

// What one cell write did. On a clash nothing was written and only `clash` is filled.
struct SlotWriteOutcome {
    ClashCheck clash;
    SlotIds written;       // the ids the cell holds now; after a takeover the free row's
    int rowId = 0;         // the Slot row written
    bool tookOver = false; // the cell joined another timetable's free row
    SlotUndo undo;

    bool wrote() const { return !clash.clash; }
};
