#include "CellClipboardText.h"

#include "PeriodKind.h"

#include <QStringList>
#include <QVariant>

#include <cmath>

QString CellClipboardText::toText() const {
    QStringList fields(names.begin(), names.end());
    fields << QString::number(specialId);
    return fields.join(QLatin1Char(','));
}

std::optional<CellClipboardText> CellClipboardText::parse(const QString& text) {
    const QStringList fields = text.split(QLatin1Char(','));
    if (fields.size() != NameCount + 1)
        return std::nullopt;
    bool isNumber = false;
    const double special = std::round(fields.last().toDouble(&isNumber));
    // Checked as a double: a huge number must not overflow the conversion to int.
    if (!isNumber || !(special >= double(Ordinary) && special <= double(Break)))
        return std::nullopt;
    CellClipboardText cell;
    for (int i = 0; i < NameCount; ++i)
        cell.names[i] = fields[i];
    cell.specialId = static_cast<int>(special);
    return cell;
}

Result<std::optional<CellClipboardText>> CellClipboardText::ofSlot(const DBConnection& db,
                                                                   int slotId) {
    Result<std::optional<QSqlRecord>> row = db.firstRow(
        QStringLiteral("SELECT Tutor.Name, Subject.Name, Room.Name, Class.Name, Slot.SpecialID "
                       "FROM Slot JOIN Tutor ON Tutor.ID = Slot.TutorID "
                       "JOIN Subject ON Subject.ID = Slot.SubjectID "
                       "JOIN Room ON Room.ID = Slot.RoomID JOIN Class ON Class.ID = Slot.ClassID "
                       "WHERE Slot.ID = ?"),
        {slotId});
    if (!row)
        return row.error();
    if (!row.value())
        return std::optional<CellClipboardText>();
    CellClipboardText cell;
    for (int i = 0; i < NameCount; ++i)
        cell.names[i] = row.value()->value(i).toString();
    cell.specialId = row.value()->value(NameCount).toInt();
    return std::optional<CellClipboardText>(cell);
}
