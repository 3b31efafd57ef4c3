#pragma once

#include "DBConnection.h"
#include "SlotIds.h"
#include "ViewKind.h"

#include <QSet>
#include <QString>
#include <QTime>

#include <array>

// Which tutors, rooms or classes are in use in one period anywhere in the school.
namespace BusySlots {

// The busy ids of each of the three resources in one period.
class BusyIds {
public:
    const QSet<int>& of(ViewKind resource) const { return m_ids[int(resource)]; }
    QSet<int>& of(ViewKind resource) { return m_ids[int(resource)]; }

private:
    std::array<QSet<int>, 3> m_ids;
};

// The ids of each resource that some slot at this start time and day makes busy, read in one
// pass over the period's slots. The placeholder (1) never counts, and neither does an ordinary
// lesson of the cell's own tutor, room or class (`current`); a lunch, break or unavailable row
// of it does.
Result<BusyIds> busyIds(const DBConnection& db, QTime start, const QString& dow,
                        const SlotIds& current);

} // namespace BusySlots
