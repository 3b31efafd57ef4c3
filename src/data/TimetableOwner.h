#pragma once

#include "ViewKind.h"

#include <QHashFunctions>

// Whose timetable: a class, tutor or room by id.
struct TimetableOwner {
    ViewKind kind = ViewKind::Class;
    int id = 1;

    bool operator==(const TimetableOwner&) const = default;
};

inline size_t qHash(const TimetableOwner& owner, size_t seed = 0) {
    return qHashMulti(seed, static_cast<int>(owner.kind), owner.id);
}
