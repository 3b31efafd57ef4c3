#pragma once

#include "Result.h"

#include <QList>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

// The one connection to db.mdb. Every statement binds its values; every failure comes back
// as an Error naming the reason, never silently.
class DBConnection {
public:
    struct Options {
        int busyTimeoutMs = 3000;
        bool readOnly = false; // tests open a file read-only to see the "not writable" case
    };
    using Field = std::pair<QString, QVariant>;

    // Opens an existing Periwell database; never creates, changes or deletes the file.
    static Result<std::unique_ptr<DBConnection>> open(const QString& path, Options options);
    static Result<std::unique_ptr<DBConnection>> open(const QString& path) {
        return open(path, Options{});
    }
    ~DBConnection();
    DBConnection(const DBConnection&) = delete;
    DBConnection& operator=(const DBConnection&) = delete;

    const QString& path() const { return m_path; }

    // Runs one statement; the query is positioned before its first row.
    Result<QSqlQuery> exec(const QString& sql, const QVariantList& values = {}) const;
    // Runs a statement that returns no rows.
    Result<void> run(const QString& sql, const QVariantList& values = {}) const;
    // The first row of a query, or nothing when it returns none.
    Result<std::optional<QSqlRecord>> firstRow(const QString& sql,
                                               const QVariantList& values = {}) const;
    // Adds a row with the fields in the given order and returns its new id.
    Result<int> insertRow(const QString& table, const QList<Field>& fields) const;

    // Transactions nest: the outermost is BEGIN IMMEDIATE, an inner one a savepoint, so a
    // one-cell writer can run inside a command that writes many cells.
    Result<void> begin() const;
    Result<void> commit() const;
    void rollback() const;
    int transactionDepth() const { return m_depth; }

    // Sees every statement with its values before it runs: tests check how the engine answers
    // the statements of a command (which index, how many). Empty by default.
    using StatementObserver = std::function<void(const QString& sql, const QVariantList& values)>;
    void setStatementObserver(StatementObserver observer) { m_observer = std::move(observer); }

private:
    DBConnection(QString connectionName, QString path);
    Result<void> verify() const;
    Result<void> useRollbackJournal() const;
    void tune() const;

    QString m_connectionName;
    QString m_path;
    mutable int m_depth = 0;
    StatementObserver m_observer;
};

// A transaction that rolls back unless committed: a multi-step write lands whole or not at all.
// Inside another one it is a savepoint: its rollback undoes only its own steps.
class Transaction {
public:
    explicit Transaction(const DBConnection& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    const Result<void>& started() const { return m_started; }
    Result<void> commit();

private:
    const DBConnection& m_db;
    Result<void> m_started;
    bool m_open = false;
};
