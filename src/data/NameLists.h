#pragma once

#include "DBConnection.h"
#include "Result.h"
#include "ViewKind.h"

#include <QList>
#include <QString>

#include <optional>

// The four lists of names (tutors, subjects, rooms, classes). Row 1 of each is the placeholder
// "none" that a deleted or unset reference points at.
namespace NameLists {

// In the left bar's order: a list's value is its index there.
enum List : int { Tutor = 0, Subject = 1, Room = 2, Class = 3 };
constexpr int Count = 4;
constexpr List All[Count] = {Tutor, Subject, Room, Class};

struct Entry {
    int id = 1;
    QString name;
    bool operator==(const Entry&) const = default;
};

enum class Placeholder { LeftOut, Included };

// "Tutor", "Subject", "Room" or "Class".
QString tableName(List list);

// The owner kind of a list that can own timetables; nothing for subjects.
std::optional<ViewKind> ownerKind(List list);
List listOf(ViewKind kind);

// Every row by name without case, then id.
Result<QList<Entry>> readAll(const DBConnection& db, List list,
                             Placeholder placeholder = Placeholder::LeftOut);

// The stored name of one row; nothing when the row is gone.
Result<std::optional<QString>> nameOf(const DBConnection& db, List list, int id);

// Returns the new row's id.
Result<int> add(const DBConnection& db, List list, const QString& name);
Result<void> rename(const DBConnection& db, List list, int id, const QString& name);

// The ids of the timetables that show this entry's own lessons, in the order they were made;
// none for a subject.
Result<QList<int>> timetablesOf(const DBConnection& db, List list, int id);

} // namespace NameLists
