#pragma once

// The kinds of period, as the ids of the Special table.
enum SpecialKind : int { Ordinary = 1, Unavailable = 2, Lunch = 3, Break = 4 };

inline bool isSpecialKind(int id) {
    return id >= Ordinary && id <= Break;
}
