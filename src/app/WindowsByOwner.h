#pragma once

#include "data/TimetableOwner.h"

#include <QHash>
#include <QList>
#include <QPointer>

class frmTableWindow;

// The open timetable windows by whose timetable they show, so that a change to one class's,
// tutor's or room's lessons finds its windows without looking at every open one.
class WindowsByOwner {
public:
    void add(frmTableWindow& window, const TimetableOwner& owner);
    void remove(frmTableWindow& window);
    QList<frmTableWindow*> of(const TimetableOwner& owner) const;

private:
    QHash<TimetableOwner, QList<QPointer<frmTableWindow>>> m_windows;
};
