#pragma once

#include "Result.h"

#include <QFile>
#include <QString>

#include <memory>

// Keeps a second copy of the program off a database file while this one has it open: two copies
// would each write over the other's lessons unseen. The lock is the kernel's, on a file beside
// the database, so it ends with the process: a copy that crashed or was killed never blocks the
// next start, and SQLite's own locks on the database, and readers such as a backup, are left
// alone.
class CopyLock {
public:
    // The lock on the file at `databasePath`, or the reason it cannot be had.
    static Result<std::unique_ptr<CopyLock>> take(const QString& databasePath);

    CopyLock(const CopyLock&) = delete;
    CopyLock& operator=(const CopyLock&) = delete;

private:
    static QString lockPath(const QString& databasePath);
    explicit CopyLock(const QString& path) : m_file(path) {}
    bool open();

    QFile m_file; // the lock lasts while the file is open
};
