#pragma once

// What a period holds: an ordinary lesson (or nothing), or one of the three kinds that block it.
// The numbers are the rows of the Special table.
enum PeriodKind : int { Ordinary = 1, Unavailable = 2, Lunch = 3, Break = 4 };

inline bool isPeriodKind(int id) {
    return id >= Ordinary && id <= Break;
}
