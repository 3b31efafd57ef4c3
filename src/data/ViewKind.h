#pragma once

#include <QString>

#include <array>
#include <optional>

// The three kinds of timetable owner. Each is also one of the three resources a slot can
// hold, so the same kind names a timetable's own column and the resources it checks.
enum class ViewKind { Class, Tutor, Room };

// "Class", "Tutor" or "Room", exactly as stored (case-sensitive); nothing for any other text.
std::optional<ViewKind> viewKindFromText(const QString& viewBy);

QString viewKindText(ViewKind kind);

// The Slot and TimeTableView column that holds an owner of this kind: "ClassID" and so on.
QString ownerColumn(ViewKind kind);

// The two other resources, in the order their clash paragraphs are written.
std::array<ViewKind, 2> otherResources(ViewKind kind);
