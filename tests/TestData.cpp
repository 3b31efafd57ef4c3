#include "TestData.h"

#include <QCryptographicHash>
#include <QFile>

namespace TestData {

namespace {

int checked(Result<int> result) {
    if (!result)
        qFatal("test data: %s", qPrintable(result.error().message));
    return result.value();
}

QList<int> ids(const DBConnection& db, const QString& sql, int timetableId) {
    Result<QSqlQuery> query = db.exec(sql, {timetableId});
    if (!query)
        qFatal("test data: %s", qPrintable(query.error().message));
    QList<int> found;
    while (query.value().next())
        found << query.value().value(0).toInt();
    return found;
}

} // namespace

int addName(const DBConnection& db, const QString& table, const QString& name) {
    return checked(db.insertRow(table, {{QStringLiteral("Name"), name}}));
}

SmallSchool addSmallSchool(const DBConnection& db) {
    SmallSchool s;
    s.c7A = addName(db, "Class", "7A");
    s.c7B = addName(db, "Class", "7B");
    s.ann = addName(db, "Tutor", "Ann");
    s.bob = addName(db, "Tutor", "Bob");
    s.r1 = addName(db, "Room", "R1");
    s.r2 = addName(db, "Room", "R2");
    s.maths = addName(db, "Subject", "Maths");
    s.english = addName(db, "Subject", "English");
    return s;
}

int addTimetable(const DBConnection& db, const QString& viewBy, int ownerId,
                 const QStringList& days, const QList<Period>& periods) {
    const QString ownerColumn = viewBy == QLatin1String("Tutor")  ? QStringLiteral("TutorID")
                                : viewBy == QLatin1String("Room") ? QStringLiteral("RoomID")
                                                                  : QStringLiteral("ClassID");
    const int id =
        checked(db.insertRow(QStringLiteral("TimeTableView"),
                             {{QStringLiteral("ViewBy"), viewBy}, {ownerColumn, ownerId}}));
    for (const QString& day : days)
        checked(db.insertRow(QStringLiteral("YTitle"), {{QStringLiteral("TimeTableViewID"), id},
                                                        {QStringLiteral("DOW"), day}}));
    for (const Period& period : periods)
        checked(db.insertRow(QStringLiteral("XTitle"),
                             {{QStringLiteral("TimeTableViewID"), id},
                              {QStringLiteral("StartTime"), period.start},
                              {QStringLiteral("Duration"), period.minutes},
                              {QStringLiteral("SpecialID"), period.specialId}}));
    return id;
}

int addSlot(const DBConnection& db, const Slot& slot) {
    return checked(
        db.insertRow(QStringLiteral("Slot"), {{QStringLiteral("SubjectID"), slot.subjectId},
                                              {QStringLiteral("ClassID"), slot.classId},
                                              {QStringLiteral("TutorID"), slot.tutorId},
                                              {QStringLiteral("RoomID"), slot.roomId},
                                              {QStringLiteral("StartTime"), slot.start},
                                              {QStringLiteral("Duration"), 40},
                                              {QStringLiteral("DOW"), slot.dow},
                                              {QStringLiteral("SpecialID"), slot.specialId}}));
}

QList<int> columnIds(const DBConnection& db, int timetableId) {
    return ids(
        db,
        QStringLiteral("SELECT ID FROM XTitle WHERE TimeTableViewID = ? ORDER BY StartTime, ID"),
        timetableId);
}

QList<int> dayIds(const DBConnection& db, int timetableId) {
    return ids(db, QStringLiteral("SELECT ID FROM YTitle WHERE TimeTableViewID = ? ORDER BY ID"),
               timetableId);
}

int slotCount(const DBConnection& db) {
    Result<std::optional<QSqlRecord>> row =
        db.firstRow(QStringLiteral("SELECT COUNT(*) FROM Slot"));
    if (!row || !row.value())
        qFatal("test data: cannot count slots");
    return row.value()->value(0).toInt();
}

QString classSlotText(const DBConnection& db, const QString& start, const QString& dow,
                      int classId) {
    Result<std::optional<QSqlRecord>> row = db.firstRow(
        QStringLiteral("SELECT ClassID, TutorID, RoomID, SubjectID, SpecialID FROM Slot "
                       "WHERE StartTime = ? AND DOW = ? AND ClassID = ? ORDER BY ID"),
        {start, dow, classId});
    if (!row)
        qFatal("test data: %s", qPrintable(row.error().message));
    if (!row.value())
        return {};
    QStringList fields;
    for (int i = 0; i < 5; ++i)
        fields << row.value()->value(i).toString();
    return fields.join(QLatin1Char(','));
}

QByteArray fileHash(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

} // namespace TestData
