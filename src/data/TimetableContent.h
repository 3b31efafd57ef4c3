#pragma once

#include "DBConnection.h"
#include "TimetableLook.h"
#include "TimetableOwner.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QTime>

#include <optional>

// One period of a timetable: a grid column.
struct PeriodColumn {
    int id = 0;
    QTime start;
    int duration = 0;
    int width = 0;
    int specialId = 1;
    QString specialName; // the header text of a special (lunch) column
};

// One day of a timetable: a grid row.
struct DayRow {
    int id = 0;
    QString dow;
    int height = 0;
};

// The slot drawn in one cell, with the names of what it holds.
struct DrawnSlot {
    int id = 0;
    int specialId = 1;
    QString tutor, subject, room, className;
};

// Everything needed to draw one stored timetable, read in a handful of statements.
struct TimetableContent {
    int id = 0;
    QString viewBy;
    int ownerId = 1;
    QString title;
    TimetableLook look;
    int fixedRowHeight = 0;
    int fixedColWidth = 0;
    QList<PeriodColumn> columns;         // in start-time order; columns of an unknown kind left out
    QList<DayRow> days;                  // in the order they were added
    QHash<QString, DrawnSlot> cellSlots; // by cellKey(); the lowest slot id wins

    static QString cellKey(QTime start, const QString& dow);
    const DrawnSlot* slotAt(QTime start, const QString& dow) const;
    // The grid cells (row, column) that show the slots at this start and day.
    QList<std::pair<int, int>> cellsAt(QTime start, const QString& dow) const;
    // Nothing when ViewBy is none of the three kinds.
    std::optional<TimetableOwner> owner() const;
};

// The sizes of a timetable's grid, in twips, as the user left them.
struct TimetableGeometry {
    int fixedRowHeight = 0;
    int fixedColWidth = 0;
    QList<std::pair<int, int>> columnWidths; // XTitle id, width
    QList<std::pair<int, int>> rowHeights;   // YTitle id, height
};

namespace TimetableStore {

// "Class 7A", "Tutor Ann Smith", "Room R1"; empty when the owner is missing or the kind unknown.
Result<QString> title(const DBConnection& db, const QString& viewBy, int classId, int tutorId,
                      int roomId);

// Reads a timetable whole; nothing when it has no TimeTableView row.
Result<std::optional<TimetableContent>> read(const DBConnection& db, int timetableId);

// The slot each owner's timetables show at this start and day (the lowest id carrying the
// owner); an owner without one is left out.
Result<QHash<TimetableOwner, DrawnSlot>> slotsAt(const DBConnection& db, QTime start,
                                                 const QString& dow,
                                                 const QList<TimetableOwner>& owners);

// Stores the header sizes, widths and heights that differ from the stored ones, in one
// transaction; writes nothing when none differs.
Result<void> saveGeometry(const DBConnection& db, int timetableId,
                          const TimetableGeometry& geometry);

// The three-line text of a lesson cell: the three names other than the timetable's own kind.
QString formatSlotText(const QString& tutor, const QString& subject, const QString& room,
                       const QString& className, const QString& viewBy);

} // namespace TimetableStore
