#include "CopyLock.h"

#include "FileFacts.h"
#include "OpenFailure.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Far past the end of any database, and of SQLite's lock bytes at 1 GiB.
constexpr off_t LockedByte = off_t{1} << 62;

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

CopyLock::~CopyLock() {
    ::close(m_descriptor);
}

bool CopyLock::lock() const {
    // An open file description's lock: it belongs to this descriptor alone, so closing another
    // descriptor of the file leaves it, and a second open in this process meets it too.
    struct flock region {};
    region.l_type = F_WRLCK;
    region.l_whence = SEEK_SET;
    region.l_start = LockedByte;
    region.l_len = 1;
    return ::fcntl(m_descriptor, F_OFD_SETLK, &region) == 0;
}

Result<std::unique_ptr<CopyLock>> CopyLock::take(const QString& databasePath) {
    // A write lock needs the file open for writing; a program started later must not inherit it.
    const int descriptor =
        ::open(QFile::encodeName(databasePath).constData(), O_RDWR | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0) {
        const int error = errno;
        return Error{OpenFailure::reason(FileFacts::of(databasePath), systemReason(error))};
    }
    std::unique_ptr<CopyLock> lock(new CopyLock(descriptor));
    if (lock->lock())
        return lock;
    const int error = errno;
    if (error == EAGAIN || error == EACCES)
        return Error{
            QStringLiteral("It is open in another copy of Periwell, on this computer or another. "
                           "Work in that copy, or close it and start Periwell again.")};
    return Error{QStringLiteral("Periwell cannot lock the file (%1), and without the lock a second "
                                "copy of Periwell could write over this one's lessons unseen. Keep "
                                "the file on a drive that allows locking, such as this computer's "
                                "own disk or a network drive with locking turned on, then start "
                                "Periwell again.")
                     .arg(systemReason(error))};
}
