#pragma once

#include "data/DBConnection.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Rows for tests, added straight into the tables; each call fails the test run on an error.
namespace TestData {

int addName(const DBConnection& db, const QString& table, const QString& name);

// The names most tests' schools are made of: classes 7A and 7B, tutors Ann and Bob, rooms R1
// and R2, subjects Maths and English.
struct SmallSchool {
    int c7A = 0, c7B = 0, ann = 0, bob = 0, r1 = 0, r2 = 0, maths = 0, english = 0;
};
SmallSchool addSmallSchool(const DBConnection& db);

struct Period {
    QString start; // "09:00:00"
    int minutes = 40;
    int specialId = 1;
};

// A timetable with its days (in order) and periods; returns its TimeTableView id.
int addTimetable(const DBConnection& db, const QString& viewBy, int ownerId,
                 const QStringList& days, const QList<Period>& periods);

struct Slot {
    QString start;
    QString dow;
    int classId = 1;
    int tutorId = 1;
    int roomId = 1;
    int subjectId = 1;
    int specialId = 1;
};
int addSlot(const DBConnection& db, const Slot& slot);

// The ids of a timetable's periods (by start time) and days (in order).
QList<int> columnIds(const DBConnection& db, int timetableId);
QList<int> dayIds(const DBConnection& db, int timetableId);

int slotCount(const DBConnection& db);

// "class,tutor,room,subject,special" of the first row at a start and day held by a class;
// "" when there is none.
QString classSlotText(const DBConnection& db, const QString& start, const QString& dow,
                      int classId);

// The SHA-256 of a file's bytes, to show a file was left exactly as it was; empty when unreadable.
QByteArray fileHash(const QString& path);

} // namespace TestData
