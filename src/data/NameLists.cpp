#include "NameLists.h"

#include "TimetableView.h"

namespace NameLists {

QString tableName(List list) {
    switch (list) {
    case Tutor:
        return QStringLiteral("Tutor");
    case Subject:
        return QStringLiteral("Subject");
    case Room:
        return QStringLiteral("Room");
    case Class:
        return QStringLiteral("Class");
    }
    return {};
}

std::optional<ViewKind> ownerKind(List list) {
    switch (list) {
    case Tutor:
        return ViewKind::Tutor;
    case Room:
        return ViewKind::Room;
    case Class:
        return ViewKind::Class;
    case Subject:
        break;
    }
    return std::nullopt;
}

List listOf(ViewKind kind) {
    switch (kind) {
    case ViewKind::Tutor:
        return Tutor;
    case ViewKind::Room:
        return Room;
    case ViewKind::Class:
        break;
    }
    return Class;
}

Result<QList<Entry>> readAll(const DBConnection& db, List list, Placeholder placeholder) {
    const QString where =
        placeholder == Placeholder::LeftOut ? QStringLiteral(" WHERE ID <> 1") : QString();
    Result<QSqlQuery> query =
        db.exec(QStringLiteral("SELECT ID, Name FROM %1%2 ORDER BY Name COLLATE NOCASE, ID")
                    .arg(tableName(list), where));
    if (!query)
        return query.error();
    QList<Entry> entries;
    QSqlQuery& q = query.value();
    while (q.next())
        entries << Entry{q.value(0).toInt(), q.value(1).toString()};
    return entries;
}

Result<std::optional<QString>> nameOf(const DBConnection& db, List list, int id) {
    Result<std::optional<QSqlRecord>> row =
        db.firstRow(QStringLiteral("SELECT Name FROM %1 WHERE ID = ?").arg(tableName(list)), {id});
    if (!row)
        return row.error();
    if (!row.value())
        return std::optional<QString>();
    return std::optional<QString>(row.value()->value(0).toString());
}

Result<int> add(const DBConnection& db, List list, const QString& name) {
    return db.insertRow(tableName(list), {{QStringLiteral("Name"), name}});
}

Result<void> rename(const DBConnection& db, List list, int id, const QString& name) {
    return db.run(QStringLiteral("UPDATE %1 SET Name = ? WHERE ID = ?").arg(tableName(list)),
                  {name, id});
}

Result<QList<int>> timetablesOf(const DBConnection& db, List list, int id) {
    const std::optional<ViewKind> kind = ownerKind(list);
    if (!kind)
        return QList<int>();
    return TimetableView::idsOfOwner(db, *kind, id);
}

} // namespace NameLists
