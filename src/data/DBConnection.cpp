#include "DBConnection.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QUrl>

#include <atomic>

namespace {

constexpr int ApplicationId = 1347768919;
constexpr int SchemaVersion = 1;

const QStringList& requiredTables() {
    static const QStringList tables = {
        QStringLiteral("class"),   QStringLiteral("tutor"),
        QStringLiteral("room"),    QStringLiteral("subject"),
        QStringLiteral("subjectstaughtbytutor"), QStringLiteral("special"),
        QStringLiteral("style"),   QStringLiteral("timetableview"),
        QStringLiteral("xtitle"),  QStringLiteral("ytitle"),
        QStringLiteral("slot")};
    return tables;
}

QString nextConnectionName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("periwell-%1").arg(++counter);
}

Error sqlError(const QSqlError& error, const QString& sql) {
    QString reason = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return Error{QStringLiteral("%1\n\nStatement: %2").arg(reason, sql.simplified())};
}

// Turns the engine's words for a failed open into a reason a user can act on.
QString openFailureReason(const QString& engineText) {
    const QString lower = engineText.toLower();
    if (lower.contains(QLatin1String("not a database")) || lower.contains(QLatin1String("encrypted")))
        return QStringLiteral("The file is not a database.");
    if (lower.contains(QLatin1String("malformed")) || lower.contains(QLatin1String("corrupt")))
        return QStringLiteral("The database is damaged (%1).").arg(engineText);
    if (lower.contains(QLatin1String("locked")) || lower.contains(QLatin1String("busy")))
        return QStringLiteral("The database is locked by another program.");
    if (lower.contains(QLatin1String("readonly")) || lower.contains(QLatin1String("read-only")) ||
        lower.contains(QLatin1String("unable to open")))
        return QStringLiteral("The file cannot be written (%1).").arg(engineText);
    return engineText;
}

Error openError(const QString& path, const QString& reason) {
    return Error{QStringLiteral("Periwell cannot open its database file\n%1\n\n%2")
                     .arg(QDir::toNativeSeparators(path), reason)};
}

} // namespace

DBConnection::DBConnection(QString connectionName, QString path)
    : m_connectionName(std::move(connectionName)), m_path(std::move(path)) {}

DBConnection::~DBConnection() {
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

Result<std::unique_ptr<DBConnection>> DBConnection::open(const QString& path, Options options) {
    const QFileInfo info(path);
    if (!info.exists())
        return openError(path, QStringLiteral("The file does not exist."));
    if (!info.isFile())
        return openError(path, QStringLiteral("It is not a file."));

    const QString name = nextConnectionName();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        // mode=rw: a missing file is an error, never a new empty database.
        db.setDatabaseName(QUrl::fromLocalFile(info.absoluteFilePath()).toString(QUrl::FullyEncoded) +
                           (options.readOnly ? QStringLiteral("?mode=ro") : QStringLiteral("?mode=rw")));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1%2")
                                 .arg(options.busyTimeoutMs)
                                 .arg(options.readOnly ? QStringLiteral(";QSQLITE_OPEN_READONLY")
                                                       : QString()));
        if (!db.open()) {
            const QString reason = openFailureReason(db.lastError().text());
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            return openError(path, reason);
        }
    }
    std::unique_ptr<DBConnection> connection(new DBConnection(name, info.absoluteFilePath()));
    // The cache first: the full check at open reads the whole file.
    connection->tune();
    if (Result<void> checked = connection->verify(); !checked)
        return openError(path, checked.error().message);
    if (Result<void> journal = connection->useRollbackJournal(); !journal)
        return openError(path, journal.error().message);
    return connection;
}

Result<void> DBConnection::verify() const {
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    QSqlQuery query(db);
    auto engineFailure = [&query]() {
        return Error{openFailureReason(query.lastError().databaseText().isEmpty()
                                           ? query.lastError().text()
                                           : query.lastError().databaseText())};
    };

    if (!query.exec(QStringLiteral("PRAGMA application_id")) || !query.next())
        return engineFailure();
    const int applicationId = query.value(0).toInt();
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return engineFailure();
    const int version = query.value(0).toInt();
    if (applicationId != ApplicationId || version != SchemaVersion)
        return Error{QStringLiteral("The file is not a Periwell database.")};

    // The full check: a quicker one does not compare the indexes with their tables, and a
    // stale index is found only when a drawing or a write fails.
    if (!query.exec(QStringLiteral("PRAGMA integrity_check(1)")) || !query.next())
        return engineFailure();
    if (query.value(0).toString() != QLatin1String("ok"))
        return Error{QStringLiteral("The database is damaged (%1).").arg(query.value(0).toString())};

    if (!query.exec(QStringLiteral("SELECT lower(name) FROM sqlite_master WHERE type = 'table'")))
        return engineFailure();
    QSet<QString> present;
    while (query.next())
        present.insert(query.value(0).toString());
    for (const QString& table : requiredTables()) {
        if (!present.contains(table))
            return Error{QStringLiteral("The table %1 is missing: this is not a Periwell database.")
                             .arg(table)};
    }

    // Take and give back a write lock, so a locked or read-only file is refused now rather
    // than at the user's first edit. The rollback leaves the file as it was.
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return engineFailure();
    const bool writable = query.exec(QStringLiteral("PRAGMA user_version = %1").arg(SchemaVersion));
    const Error writeFailure = writable ? Error{} : engineFailure();
    QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
    if (!writable)
        return writeFailure;
    return {};
}

Result<void> DBConnection::useRollbackJournal() const {
    // db.mdb alone holds every committed change: a copy of it is current, and it may sit on a
    // network drive. A file left in WAL mode is switched back, which needs no other user of it.
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    if (!query.exec(QStringLiteral("PRAGMA journal_mode = DELETE")) || !query.next())
        return Error{openFailureReason(query.lastError().databaseText().isEmpty()
                                           ? query.lastError().text()
                                           : query.lastError().databaseText())};
    if (query.value(0).toString().compare(QLatin1String("delete"), Qt::CaseInsensitive) != 0)
        return Error{QStringLiteral("The database is locked by another program.")};
    query.finish();
    if (!query.exec(QStringLiteral("PRAGMA synchronous = FULL")))
        return Error{query.lastError().text()};
    return {};
}

void DBConnection::tune() const {
    // A school's whole database fits in memory: read pages once, not on every redraw. These are
    // hints: an engine that refuses them works as before, only slower.
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    query.exec(QStringLiteral("PRAGMA cache_size = -65536"));
    query.exec(QStringLiteral("PRAGMA mmap_size = 268435456"));
}

Result<QSqlQuery> DBConnection::exec(const QString& sql, const QVariantList& values) const {
    if (m_observer)
        m_observer(sql, values);
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        return sqlError(query.lastError(), sql);
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec())
        return sqlError(query.lastError(), sql);
    return query;
}

Result<void> DBConnection::run(const QString& sql, const QVariantList& values) const {
    Result<QSqlQuery> query = exec(sql, values);
    if (!query)
        return query.error();
    return {};
}

Result<std::optional<QSqlRecord>> DBConnection::firstRow(const QString& sql,
                                                         const QVariantList& values) const {
    Result<QSqlQuery> query = exec(sql, values);
    if (!query)
        return query.error();
    if (!query.value().next()) {
        if (query.value().lastError().isValid())
            return sqlError(query.value().lastError(), sql);
        return std::optional<QSqlRecord>();
    }
    return std::optional<QSqlRecord>(query.value().record());
}

Result<int> DBConnection::insertRow(const QString& table, const QList<Field>& fields) const {
    QStringList columns;
    QStringList marks;
    QVariantList values;
    for (const auto& [column, value] : fields) {
        columns << column;
        marks << QStringLiteral("?");
        values << value;
    }
    const QString sql = fields.isEmpty()
                            ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table)
                            : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                  .arg(table, columns.join(QStringLiteral(", ")),
                                       marks.join(QStringLiteral(", ")));
    Result<QSqlQuery> query = exec(sql, values);
    if (!query)
        return query.error();
    return query.value().lastInsertId().toInt();
}

namespace {

QString savepointName(int depth) {
    return QStringLiteral("periwell_%1").arg(depth);
}

} // namespace

Result<void> DBConnection::begin() const {
    Result<void> begun = m_depth == 0 ? run(QStringLiteral("BEGIN IMMEDIATE"))
                                      : run(QStringLiteral("SAVEPOINT ") + savepointName(m_depth));
    if (begun)
        ++m_depth;
    return begun;
}

Result<void> DBConnection::commit() const {
    if (m_depth == 0)
        return Error{QStringLiteral("No transaction is open.")};
    Result<void> committed = m_depth == 1
                                 ? run(QStringLiteral("COMMIT"))
                                 : run(QStringLiteral("RELEASE ") + savepointName(m_depth - 1));
    if (committed)
        --m_depth;
    return committed;
}

void DBConnection::rollback() const {
    if (m_depth == 0)
        return;
    --m_depth;
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    if (m_depth == 0) {
        query.exec(QStringLiteral("ROLLBACK"));
        return;
    }
    // Back to where the savepoint began, then drop it; the outer transaction goes on.
    query.exec(QStringLiteral("ROLLBACK TO ") + savepointName(m_depth));
    query.exec(QStringLiteral("RELEASE ") + savepointName(m_depth));
}

Transaction::Transaction(const DBConnection& db) : m_db(db), m_started(db.begin()) {
    m_open = m_started.ok();
}

Transaction::~Transaction() {
    if (m_open)
        m_db.rollback();
}

Result<void> Transaction::commit() {
    if (!m_open)
        return m_started.ok() ? Error{QStringLiteral("The transaction is already closed.")}
                              : m_started.error();
    Result<void> committed = m_db.commit();
    if (committed)
        m_open = false;
    return committed;
}
