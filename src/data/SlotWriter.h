#pragma once

#include "ClashCheck.h"
#include "DBConnection.h"
#include "Result.h"
#include "SlotIds.h"
#include "SlotKey.h"
#include "SlotRow.h"
#include "SlotUndo.h"
#include "SlotWriteOutcome.h"

// Writes one cell: refuses a clash, else updates the cell's own row, takes over a free row of
// another timetable, or adds a row. Afterwards every resource the row names has that row alone
// at that time. Each write and each undo is one transaction (a savepoint inside a larger one),
// so a failure leaves nothing half-written and comes back as an Error.
class SlotWriter {
public:
    explicit SlotWriter(const DBConnection& db) : m_db(db) {}

    // `chosen` holds the subject and other resources picked for the cell and the special id;
    // its owner column is ignored (the key's owner is written).
    Result<SlotWriteOutcome> write(const SlotKey& cell, const SlotIds& chosen) const;

    // Puts the record's row back as it was, through the same clash check (on a clash nothing
    // is written and the clash is returned).
    Result<ClashCheck> undo(const SlotUndo& record) const;

    // The single steps, for a command that applies its own rules around them (Auto Fill).
    Result<std::optional<SlotRow>> readRow(int rowId) const;
    // Placeholders a write made redundant: their resource now has the written row there.
    Result<void> removeRows(const QList<int>& rowIds) const;
    Result<void> updateRow(int rowId, const SlotIds& ids) const;
    Result<int> addRow(const SlotKey& cell, const SlotIds& ids) const;

private:
    Result<ClashCheck> checkClash(const SlotKey& cell, const SlotIds& ids,
                                  int takenOverRowId) const;

    const DBConnection& m_db;
};
