#include "TimetableView.h"

#include "SlotIds.h"

#include <QSqlRecord>
#include <QVariant>

int TimetableView::ownerId() const {
    const std::optional<ViewKind> owner = kind();
    return owner ? SlotIds{subjectId, classId, tutorId, roomId}.resource(*owner) : SlotIds::None;
}

Result<std::optional<TimetableView>> TimetableView::read(const DBConnection& db, int id) {
    Result<std::optional<QSqlRecord>> row =
        db.firstRow(QStringLiteral("SELECT ID, ViewBy, ClassID, RoomID, TutorID, SubjectID "
                                   "FROM TimeTableView WHERE ID = ?"),
                    {id});
    if (!row)
        return row.error();
    if (!row.value())
        return std::optional<TimetableView>();
    const QSqlRecord& r = *row.value();
    return std::optional<TimetableView>(TimetableView{r.value(0).toInt(), r.value(1).toString(),
                                                      r.value(2).toInt(), r.value(3).toInt(),
                                                      r.value(4).toInt(), r.value(5).toInt()});
}

namespace {

Result<QList<int>> readIds(const DBConnection& db, const QString& sql,
                           const QVariantList& values = {}) {
    Result<QSqlQuery> query = db.exec(sql, values);
    if (!query)
        return query.error();
    QList<int> ids;
    while (query.value().next())
        ids << query.value().value(0).toInt();
    return ids;
}

} // namespace

Result<QList<int>> TimetableView::allIds(const DBConnection& db) {
    return readIds(db, QStringLiteral("SELECT ID FROM TimeTableView ORDER BY Name, ID"));
}

Result<QList<int>> TimetableView::idsOfOwner(const DBConnection& db, ViewKind kind, int ownerId) {
    return readIds(
        db,
        QStringLiteral("SELECT ID FROM TimeTableView WHERE ViewBy = ? AND %1 = ? ORDER BY ID")
            .arg(ownerColumn(kind)),
        {viewKindText(kind), ownerId});
}
