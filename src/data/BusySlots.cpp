#include "BusySlots.h"

#include "TimeText.h"

#include <QStringList>
#include <QStringView>

#include <iterator>

namespace BusySlots {

namespace {

// The ids of one resource that a period's row makes busy: not the placeholder, and not an
// ordinary lesson of the cell's own one (bound by the caller).
QString busyColumn(ViewKind resource) {
    return QStringLiteral(
               "group_concat(CASE WHEN Slot.%1 <> 1 AND (Slot.SpecialID <> 1 OR Slot.%1 <> ?) "
               "THEN Slot.%1 END)")
        .arg(ownerColumn(resource));
}

QSet<int> idsIn(const QString& list) {
    QSet<int> ids;
    for (QStringView id : QStringView(list).split(QLatin1Char(','), Qt::SkipEmptyParts))
        ids.insert(id.toInt());
    return ids;
}

constexpr ViewKind Resources[] = {ViewKind::Class, ViewKind::Tutor, ViewKind::Room};

} // namespace

Result<BusyIds> busyIds(const DBConnection& db, QTime start, const QString& dow,
                        const SlotIds& current) {
    // The engine gathers the ids: a period holds a row per class of the school, and one row
    // back instead of each of them keeps the read close to the engine's own cost.
    QStringList columns;
    QVariantList values;
    for (ViewKind resource : Resources) {
        columns << busyColumn(resource);
        values << current.resource(resource);
    }
    values << TimeText::canonical(start) << dow;
    Result<std::optional<QSqlRecord>> row =
        db.firstRow(QStringLiteral("SELECT %1 FROM Slot, Subject, Class, Tutor, Room "
                                   "WHERE Slot.SubjectID = Subject.ID AND Slot.ClassID = Class.ID "
                                   "AND Slot.TutorID = Tutor.ID AND Slot.RoomID = Room.ID "
                                   "AND Slot.StartTime = ? AND Slot.DOW = ?")
                        .arg(columns.join(QStringLiteral(", "))),
                    values);
    if (!row)
        return row.error();
    BusyIds busy;
    if (!row.value())
        return busy;
    for (int i = 0; i < int(std::size(Resources)); ++i)
        busy.of(Resources[i]) = idsIn(row.value()->value(i).toString());
    return busy;
}

} // namespace BusySlots
