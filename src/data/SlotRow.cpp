#include "SlotRow.h"

#include <QVariant>

QString SlotRow::selectColumns() {
    return QStringLiteral("ID, SubjectID, ClassID, TutorID, RoomID, SpecialID");
}

SlotRow SlotRow::fromRecord(const QSqlRecord& record) {
    SlotRow row;
    row.id = record.value(0).toInt();
    row.ids.subjectId = record.value(1).toInt();
    row.ids.classId = record.value(2).toInt();
    row.ids.tutorId = record.value(3).toInt();
    row.ids.roomId = record.value(4).toInt();
    row.ids.specialId = record.value(5).toInt();
    return row;
}

bool isBlankSlot(const SlotRow& row, ViewKind owner) {
    return row.ids.resource(owner) != SlotIds::None && row.ids.nonOwnerBlank(owner) &&
           row.ids.specialId == SlotIds::None;
}

bool isSpecialPeriod(const SlotRow& row) {
    return row.ids.specialId >= 2 && row.ids.specialId <= 4;
}
