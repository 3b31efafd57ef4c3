#include "RequiredSchema.h"

#include "TimetableLook.h"

namespace RequiredSchema {

const QList<Table>& tables() {
    static const QList<Table> list = [] {
        const QStringList named{QStringLiteral("ID"), QStringLiteral("Name")};
        const QStringList& look = TimetableLook::columns();
        return QList<Table>{
            {QStringLiteral("Class"), named},
            {QStringLiteral("Tutor"), named},
            {QStringLiteral("Room"), named},
            {QStringLiteral("Subject"), named},
            {QStringLiteral("SubjectsTaughtByTutor"),
             {QStringLiteral("TutorID"), QStringLiteral("SubjectID")}},
            {QStringLiteral("Special"), named},
            {QStringLiteral("Style"), named + look},
            {QStringLiteral("TimeTableView"),
             QStringList{QStringLiteral("ID"), QStringLiteral("ViewBy"), QStringLiteral("Name"),
                         QStringLiteral("ClassID"), QStringLiteral("RoomID"),
                         QStringLiteral("TutorID"), QStringLiteral("SubjectID"),
                         QStringLiteral("FixedRowHeight"), QStringLiteral("FixedColWidth")} +
                 look},
            {QStringLiteral("XTitle"),
             {QStringLiteral("ID"), QStringLiteral("TimeTableViewID"), QStringLiteral("StartTime"),
              QStringLiteral("Duration"), QStringLiteral("Width"), QStringLiteral("SpecialID")}},
            {QStringLiteral("YTitle"),
             {QStringLiteral("ID"), QStringLiteral("TimeTableViewID"), QStringLiteral("DOW"),
              QStringLiteral("Height")}},
            {QStringLiteral("Slot"),
             {QStringLiteral("ID"), QStringLiteral("SubjectID"), QStringLiteral("ClassID"),
              QStringLiteral("TutorID"), QStringLiteral("RoomID"), QStringLiteral("SpecialID"),
              QStringLiteral("StartTime"), QStringLiteral("DOW"), QStringLiteral("Duration")}},
        };
    }();
    return list;
}

} // namespace RequiredSchema
