#include "FileFacts.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The mode bits of the class (owner, group, others) the current user falls in.
bool modeGrants(const struct stat& info, mode_t owner, mode_t group, mode_t others) {
    const mode_t wanted = info.st_uid == geteuid()   ? owner
                          : info.st_gid == getegid() ? group
                                                     : others;
    return (info.st_mode & wanted) == wanted;
}

bool grants(const QString& path, int access, mode_t owner, mode_t group, mode_t others) {
    const QByteArray native = QFile::encodeName(path);
    struct stat info {};
    return ::stat(native.constData(), &info) == 0 && ::access(native.constData(), access) == 0 &&
           modeGrants(info, owner, group, others);
}

bool runsIntoLinkLoop(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) != 0 && errno == ELOOP;
}

} // namespace

FileFacts FileFacts::of(const QString& path) {
    const QFileInfo info(path);
    FileFacts facts;
    facts.path = info.absoluteFilePath();
    // SQLite follows links too, and keeps its journal beside the real file.
    const QFileInfo real(info.exists() ? info.canonicalFilePath() : facts.path);
    facts.folder = real.absolutePath();
    facts.journal = real.absoluteFilePath() + QStringLiteral("-journal");
    facts.linkLoop = runsIntoLinkLoop(path);
    facts.exists = info.exists();
    facts.danglingLink = info.isSymLink() && !facts.exists && !facts.linkLoop;
    if (facts.danglingLink)
        facts.linkTarget = info.symLinkTarget();
    facts.isFile = info.isFile();
    facts.readable = grants(path, R_OK, S_IRUSR, S_IRGRP, S_IROTH);
    facts.writable = grants(path, W_OK, S_IWUSR, S_IWGRP, S_IWOTH);
    facts.folderWritable =
        grants(facts.folder, W_OK | X_OK, S_IWUSR | S_IXUSR, S_IWGRP | S_IXGRP, S_IWOTH | S_IXOTH);
    facts.journalWaiting = QFileInfo(facts.journal).size() > 0;
    return facts;
}
