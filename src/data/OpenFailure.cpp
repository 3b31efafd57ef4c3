#include "OpenFailure.h"

#include <QDir>

namespace {

// Ends each permission reason: who can mend it and how.
QString askToBeLet(const QString& what) {
    return QStringLiteral("Ask whoever looks after this computer to let you %1.").arg(what);
}

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// The engine's words that name the fault better than the file system can.
std::optional<QString> engineReason(const QString& engineText) {
    const QString lower = engineText.toLower();
    if (lower.contains(QLatin1String("not a database")) ||
        lower.contains(QLatin1String("encrypted")))
        return QStringLiteral("The file is not a database.");
    if (lower.contains(QLatin1String("malformed")) || lower.contains(QLatin1String("corrupt")))
        return QStringLiteral("The database is damaged (%1).").arg(engineText);
    if (lower.contains(QLatin1String("locked")) || lower.contains(QLatin1String("busy")))
        return QStringLiteral("The database is locked by another program.");
    return std::nullopt;
}

std::optional<QString> permissionReason(const FileFacts& facts) {
    if (!facts.readable)
        return QStringLiteral("You have no permission to read the file. ") +
               askToBeLet(QStringLiteral("read and change it"));
    if (facts.journalWaiting && !facts.folderWritable)
        return QStringLiteral("The last change to the file was cut off, and Periwell cannot undo "
                              "it because the folder %1 is read-only. %2 Then start Periwell "
                              "again; until then, do not delete the file %3: it holds what must "
                              "be undone.")
            .arg(native(facts.folder), askToBeLet(QStringLiteral("change files in that folder")),
                 native(facts.journal));
    if (!facts.folderWritable)
        return QStringLiteral("The folder %1 is read-only. Periwell writes a journal beside the "
                              "file while it stores a change, so it must be able to change files "
                              "in that folder. %2")
            .arg(native(facts.folder), askToBeLet(QStringLiteral("change files there")));
    if (!facts.writable)
        return QStringLiteral("The file is read-only: you have no permission to change it. ") +
               askToBeLet(QStringLiteral("change it"));
    return std::nullopt;
}

} // namespace

namespace OpenFailure {

std::optional<QString> beforeOpening(const FileFacts& facts) {
    if (facts.linkLoop)
        return QStringLiteral(
            "The file is a link that leads round a loop of links, so there is no file to open. "
            "Replace the link with the database file, or with a link to it.");
    if (facts.danglingLink)
        return QStringLiteral("The file is a link to %1, which does not exist.")
            .arg(native(facts.linkTarget));
    if (!facts.exists)
        return QStringLiteral("The file does not exist.");
    if (!facts.isFile)
        return QStringLiteral("It is not a file.");
    return std::nullopt;
}

QString reason(const FileFacts& facts, const QString& engineText) {
    if (std::optional<QString> engine = engineReason(engineText))
        return *engine;
    if (std::optional<QString> permission = permissionReason(facts))
        return *permission;
    const QString lower = engineText.toLower();
    if (lower.contains(QLatin1String("readonly")) || lower.contains(QLatin1String("read-only")) ||
        lower.contains(QLatin1String("unable to open")))
        return QStringLiteral("The file cannot be written (%1).").arg(engineText);
    return engineText;
}

Error error(const QString& path, const QString& reason) {
    return Error{QStringLiteral("Periwell cannot open its database file\n%1\n\n%2")
                     .arg(native(path), reason)};
}

} // namespace OpenFailure
