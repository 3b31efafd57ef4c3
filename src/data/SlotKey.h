#pragma once

#include "ViewKind.h"

#include <QString>
#include <QTime>

// Where a cell's row is found: the period's start and the day's text, in the owner's column.
// The duration travels with it because a new row stores it.
struct SlotKey {
    QTime start;
    QString dow;
    int duration = 0;
    ViewKind owner = ViewKind::Class;
    int ownerId = 1;

    // The start as stored and bound: "09:00:00".
    QString startText() const;
};
