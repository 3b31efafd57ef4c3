#pragma once

#include "Result.h"

#include <QString>

#include <memory>

// Keeps a second copy of the program off a database file while this one has it open: two copies
// would each write over the other's lessons unseen. The lock is the kernel's, on the database
// file itself, so every path that leads to the file (links, hard links, bind mounts) meets it,
// any user who may change the file can take it, and it ends with the process: a copy that
// crashed or was killed never blocks the next start. It covers one byte far past the end of any
// database, which SQLite never reads or locks, so SQLite's own locks on the file, and readers
// such as a backup, are left alone.
class CopyLock {
public:
    // The lock on the file at `databasePath`, or the reason it cannot be had.
    static Result<std::unique_ptr<CopyLock>> take(const QString& databasePath);

    // Closing the descriptor drops every lock the process's SQLite connections hold on the
    // file: let go of this only after they are closed.
    ~CopyLock();
    CopyLock(const CopyLock&) = delete;
    CopyLock& operator=(const CopyLock&) = delete;

private:
    explicit CopyLock(int descriptor) : m_descriptor(descriptor) {}
    bool lock() const;

    int m_descriptor; // the lock lasts while this descriptor of the file is open
};
