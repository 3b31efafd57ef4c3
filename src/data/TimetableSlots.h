#pragma once

#include "DBConnection.h"
#include "Result.h"
#include "SlotRow.h"
#include "TimetableView.h"

#include <QHash>
#include <QString>

#include <optional>

// The owner's stored row behind every cell of one timetable, read in three statements, for a
// command that looks at all of a timetable's cells. A cell is addressed as the grid keeps it:
// the YTitle id of its row and the XTitle id of its column.
class TimetableSlots {
public:
    // An error when the timetable's ViewBy is not a kind of owner or a period's start is not a
    // time.
    static Result<TimetableSlots> read(const DBConnection& db, const TimetableView& view);

    bool hasDay(int yTitleId) const { return m_days.contains(yTitleId); }
    bool hasPeriod(int xTitleId) const { return m_starts.contains(xTitleId); }
    // The row the cell shows (the lowest id at its start and day); nothing when it has none.
    std::optional<SlotRow> rowAt(int yTitleId, int xTitleId) const;

private:
    QHash<int, QString> m_days;   // YTitle id -> DOW
    QHash<int, QString> m_starts; // XTitle id -> start as Slot stores it
    QHash<QString, SlotRow> m_rows;
};
