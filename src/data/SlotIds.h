#pragma once

#include "ViewKind.h"

// What a Slot row holds besides its key: the four resources and the kind of period.
// 1 means none in every id (the placeholder row of each list; for SpecialID an ordinary period).
struct SlotIds {
    static constexpr int None = 1;

    int subjectId = None;
    int classId = None;
    int tutorId = None;
    int roomId = None;
    int specialId = None;

    int resource(ViewKind kind) const;
    void setResource(ViewKind kind, int id);
    SlotIds withResource(ViewKind kind, int id) const;

    // Subject and the two resources that an owner of this kind does not own are all none.
    bool nonOwnerBlank(ViewKind owner) const;

    // Holds only this resource, as an ordinary period (whatever its subject): the resource's own
    // empty placeholder, which does not keep it busy.
    bool isPlaceholderOf(ViewKind kind) const;

    // An empty ordinary period of this owner: what clearing a cell stores.
    static SlotIds blankSlot(ViewKind owner, int ownerId);

    bool operator==(const SlotIds&) const = default;
};
