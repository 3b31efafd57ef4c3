#include "SchoolGenerator.h"

#include "SchemaScript.h"
#include "data/DBConnection.h"

#include <QStringList>

#include <random>

namespace SchoolGenerator {

namespace {

const QStringList Days = {"Mon", "Tue", "Wed", "Thu", "Fri"};
const QStringList Starts = {"09:00:00", "09:40:00", "10:20:00", "11:00:00",
                            "11:40:00", "13:00:00", "13:40:00", "14:20:00"};

Result<void> addNames(const DBConnection& db, const QString& table, const QString& prefix,
                      int count) {
    for (int i = 1; i <= count; ++i) {
        if (Result<int> id =
                db.insertRow(table, {{"Name", QStringLiteral("%1 %2").arg(prefix).arg(i)}});
            !id)
            return id.error();
    }
    return {};
}

Result<void> addTimetable(const DBConnection& db, const QString& viewBy, int ownerId) {
    const QString ownerColumn = viewBy + QStringLiteral("ID");
    Result<int> view = db.insertRow("TimeTableView", {{"ViewBy", viewBy}, {ownerColumn, ownerId}});
    if (!view)
        return view.error();
    for (const QString& day : Days) {
        if (Result<int> row =
                db.insertRow("YTitle", {{"TimeTableViewID", view.value()}, {"DOW", day}});
            !row)
            return row.error();
    }
    for (const QString& start : Starts) {
        if (Result<int> column = db.insertRow(
                "XTitle",
                {{"TimeTableViewID", view.value()}, {"StartTime", start}, {"Duration", 40}});
            !column)
            return column.error();
    }
    return {};
}

Result<void> addSlot(const DBConnection& db, int subject, int classId, int tutor, int room,
                     const QString& start, const QString& day) {
    Result<int> id = db.insertRow("Slot", {{"SubjectID", subject},
                                           {"ClassID", classId},
                                           {"TutorID", tutor},
                                           {"RoomID", room},
                                           {"SpecialID", 1},
                                           {"StartTime", start},
                                           {"DOW", day},
                                           {"Duration", 40}});
    if (!id)
        return id.error();
    return {};
}

// Ids in the lists start at 2: row 1 is the placeholder.
Result<void> fill(const DBConnection& db, const Size& size) {
    for (auto [table, prefix, count] :
         {std::tuple{"Class", "Class", size.classes}, std::tuple{"Tutor", "Tutor", size.tutors},
          std::tuple{"Room", "Room", size.rooms},
          std::tuple{"Subject", "Subject", size.subjects}}) {
        if (Result<void> done = addNames(db, table, prefix, count); !done)
            return done;
    }
    for (auto [viewBy, count] : {std::pair{"Class", size.classes}, std::pair{"Tutor", size.tutors},
                                 std::pair{"Room", size.rooms}}) {
        for (int i = 0; i < count; ++i) {
            if (Result<void> done = addTimetable(db, viewBy, i + 2); !done)
                return done;
        }
    }
    // Every class cell a lesson; at one time each class has its own tutor and (while rooms
    // last) its own room, so nothing clashes.
    for (int d = 0; d < Days.size(); ++d) {
        for (int p = 0; p < Starts.size(); ++p) {
            const int period = d * int(Starts.size()) + p;
            for (int c = 0; c < size.classes; ++c) {
                const int tutor = (c + period * 7) % size.tutors + 2;
                const int roomIndex = (c + period) % size.classes;
                const int room = roomIndex < size.rooms ? roomIndex + 2 : 1;
                const int subject = (c + period) % size.subjects + 2;
                if (Result<void> done =
                        addSlot(db, subject, c + 2, tutor, room, Starts[p], Days[d]);
                    !done)
                    return done;
            }
        }
    }
    std::mt19937 random(20261209);
    for (int i = 0; i < size.extraSlots; ++i) {
        const QString day =
            QStringLiteral("Wk %1 %2").arg(random() % 4 + 2).arg(Days[random() % Days.size()]);
        if (Result<void> done =
                addSlot(db, random() % size.subjects + 2, random() % size.classes + 2,
                        random() % size.tutors + 2, random() % size.rooms + 2,
                        Starts[random() % Starts.size()], day);
            !done)
            return done;
    }
    return {};
}

} // namespace

QString generate(const QString& path, const Size& size) {
    if (QString error = SchemaScript::createDatabase(QStringLiteral(PERIWELL_DB_SQL), path);
        !error.isEmpty())
        return error;
    Result<std::unique_ptr<DBConnection>> db = DBConnection::open(path);
    if (!db)
        return db.error().message;
    Transaction transaction(*db.value());
    if (!transaction.started())
        return transaction.started().error().message;
    if (Result<void> filled = fill(*db.value(), size); !filled)
        return filled.error().message;
    if (Result<void> committed = transaction.commit(); !committed)
        return committed.error().message;
    return {};
}

} // namespace SchoolGenerator
