#include "StoredTimetables.h"

#include <QSqlError>
#include <QSqlRecord>

namespace StoredTimetables {

namespace {

QString ownerName(const QSqlRecord& row) {
    const QString viewBy = row.value(QStringLiteral("ViewBy")).toString();
    for (const char* kind : {"Tutor", "Subject", "Room", "Class"}) {
        if (viewBy == QLatin1String(kind))
            return row.value(QStringLiteral("%1Name").arg(QLatin1String(kind))).toString();
    }
    return {};
}

} // namespace

Result<QList<StoredTimetable>> list(const DBConnection& db) {
    Result<QSqlQuery> query = db.exec(QStringLiteral(
        "SELECT TimeTableView.ID AS ID, ViewBy, Tutor.Name AS TutorName, "
        "Subject.Name AS SubjectName, Room.Name AS RoomName, Class.Name AS ClassName "
        "FROM TimeTableView, Tutor, Subject, Room, Class "
        "WHERE TimeTableView.TutorID = Tutor.ID AND TimeTableView.SubjectID = Subject.ID "
        "AND TimeTableView.RoomID = Room.ID AND TimeTableView.ClassID = Class.ID "
        "ORDER BY ViewBy, TimeTableView.ID"));
    if (!query)
        return query.error();
    QList<StoredTimetable> timetables;
    while (query.value().next()) {
        const QSqlRecord row = query.value().record();
        timetables.append({row.value(QStringLiteral("ID")).toInt(),
                           row.value(QStringLiteral("ViewBy")).toString(), ownerName(row)});
    }
    if (query.value().lastError().isValid()) // a step that failed part way through
        return Error{query.value().lastError().text()};
    return timetables;
}

} // namespace StoredTimetables
