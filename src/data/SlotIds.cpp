#include "SlotIds.h"

int SlotIds::resource(ViewKind kind) const {
    switch (kind) {
    case ViewKind::Class:
        return classId;
    case ViewKind::Tutor:
        return tutorId;
    case ViewKind::Room:
        return roomId;
    }
    return None;
}

void SlotIds::setResource(ViewKind kind, int id) {
    switch (kind) {
    case ViewKind::Class:
        classId = id;
        break;
    case ViewKind::Tutor:
        tutorId = id;
        break;
    case ViewKind::Room:
        roomId = id;
        break;
    }
}

SlotIds SlotIds::withResource(ViewKind kind, int id) const {
    SlotIds ids = *this;
    ids.setResource(kind, id);
    return ids;
}

bool SlotIds::nonOwnerBlank(ViewKind owner) const {
    const auto [first, second] = otherResources(owner);
    return subjectId == None && resource(first) == None && resource(second) == None;
}

bool SlotIds::isPlaceholderOf(ViewKind kind) const {
    const auto [first, second] = otherResources(kind);
    return resource(first) == None && resource(second) == None && specialId == None;
}

SlotIds SlotIds::blankSlot(ViewKind owner, int ownerId) {
    return SlotIds{}.withResource(owner, ownerId);
}
