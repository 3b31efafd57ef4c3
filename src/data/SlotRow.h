#pragma once

#include "SlotIds.h"

#include <QSqlRecord>
#include <QString>

// One stored Slot row as the cell lookup and the free-row search read it.
struct SlotRow {
    int id = 0;
    SlotIds ids;

    // The column list that fromRecord reads: "ID, SubjectID, ClassID, TutorID, RoomID, SpecialID".
    static QString selectColumns();
    static SlotRow fromRecord(const QSqlRecord& record);

    bool operator==(const SlotRow&) const = default;
};

// A row of this owner that shows as an empty cell: everything else none, an ordinary period.
bool isBlankSlot(const SlotRow& row, ViewKind owner);

// Unavailable (2), Lunch (3) or Break (4).
bool isSpecialPeriod(const SlotRow& row);
