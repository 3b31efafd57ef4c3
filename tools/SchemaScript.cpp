#include "SchemaScript.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace SchemaScript {

QStringList splitStatements(const QString& script) {
    QStringList statements;
    QString current;
    bool inQuote = false;
    for (qsizetype i = 0; i < script.size(); ++i) {
        const QChar c = script.at(i);
        if (!inQuote && c == u'-' && i + 1 < script.size() && script.at(i + 1) == u'-') {
            while (i < script.size() && script.at(i) != u'\n')
                ++i;
            current += u'\n';
            continue;
        }
        if (c == u'\'')
            inQuote = !inQuote;
        if (!inQuote && c == u';') {
            if (!current.trimmed().isEmpty())
                statements << current.trimmed();
            current.clear();
            continue;
        }
        current += c;
    }
    if (!current.trimmed().isEmpty())
        statements << current.trimmed();
    return statements;
}

static QString runScript(QSqlDatabase& db, const QStringList& statements) {
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("BEGIN")))
        return query.lastError().text();
    for (const QString& statement : statements) {
        if (!query.exec(statement))
            return statement.section(u'\n', 0, 0) + QStringLiteral(": ") + query.lastError().text();
    }
    if (!query.exec(QStringLiteral("COMMIT")))
        return query.lastError().text();
    return {};
}

QString createDatabase(const QString& scriptPath, const QString& path) {
    QFile scriptFile(scriptPath);
    if (!scriptFile.open(QIODevice::ReadOnly | QIODevice::Text))
        return QStringLiteral("cannot read %1: %2").arg(scriptPath, scriptFile.errorString());
    const QString script = QString::fromUtf8(scriptFile.readAll());
    if (QFile::exists(path))
        return QStringLiteral("%1 already exists").arg(path);

    const QString connectionName = QStringLiteral("schema-") + QUuid::createUuid().toString();
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        db.setDatabaseName(path);
        if (!db.open())
            error = db.lastError().text();
        else
            error = runScript(db, splitStatements(script));
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
    if (!error.isEmpty())
        QFile::remove(path);
    return error;
}

} // namespace SchemaScript
