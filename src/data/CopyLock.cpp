#include "CopyLock.h"

#include "FileFacts.h"
#include "OpenFailure.h"

#include <cerrno>
#include <sys/file.h>

QString CopyLock::lockPath(const QString& databasePath) {
    return databasePath + QStringLiteral("-lock");
}

bool CopyLock::open() {
    // Another user's lock file may be read-only to us; a lock needs no write access.
    return m_file.open(QIODevice::ReadWrite) ||
           (m_file.exists() && m_file.open(QIODevice::ReadOnly));
}

Result<std::unique_ptr<CopyLock>> CopyLock::take(const QString& databasePath) {
    std::unique_ptr<CopyLock> lock(new CopyLock(lockPath(databasePath)));
    if (!lock->open())
        return Error{OpenFailure::reason(FileFacts::of(databasePath), lock->m_file.errorString())};
    // A file system that cannot lock at all still lets the school work; only a lock held by
    // another copy refuses the file.
    if (::flock(lock->m_file.handle(), LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK)
        return Error{
            QStringLiteral("It is open in another copy of Periwell, on this computer or another. "
                           "Work in that copy, or close it and start Periwell again.")};
    return lock;
}
