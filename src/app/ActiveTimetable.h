#pragma once

#include "data/DBConnection.h"
#include "data/TimetableView.h"

#include <optional>

class frmTableWindow;

// A timetable window with its TimeTableView row, or the reason there is none.
struct ActiveTimetable {
    enum class Missing { None, NoWindow, NoRow, ReadFailed };

    frmTableWindow* window = nullptr;
    std::optional<TimetableView> view; // set when nothing is missing
    Missing missing = Missing::NoWindow;

    explicit operator bool() const { return missing == Missing::None; }

    // Reads the row of this window's timetable; a failed read is reported with one box.
    static ActiveTimetable of(frmTableWindow& window, const DBConnection& db);
};
