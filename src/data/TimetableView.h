#pragma once

#include "DBConnection.h"
#include "Result.h"
#include "ViewKind.h"

#include <QList>
#include <QString>

#include <optional>

// One stored timetable: what it is a timetable of, and whose.
struct TimetableView {
    int id = 0;
    QString viewBy;
    int classId = 1;
    int roomId = 1;
    int tutorId = 1;
    int subjectId = 1;

    std::optional<ViewKind> kind() const { return viewKindFromText(viewBy); }
    // The id in the column named by ViewBy; 1 (none) when ViewBy is none of the three kinds.
    int ownerId() const;

    // Nothing when no timetable has this id.
    static Result<std::optional<TimetableView>> read(const DBConnection& db, int id);
    // Every stored timetable, by name then id.
    static Result<QList<int>> allIds(const DBConnection& db);
    // The timetables of one tutor, room or class, in the order they were made.
    static Result<QList<int>> idsOfOwner(const DBConnection& db, ViewKind kind, int ownerId);
};
