#include "FileNames.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace FileNames {

std::optional<QString> filterExtension(const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
    const QRegularExpressionMatch match = pattern.match(filter);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1);
}

QString withExtension(const QString& path, const QString& extension) {
    const QString name = QFileInfo(path).fileName();
    // A leading dot marks a hidden file, not an extension.
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot > 0 && dot < name.size() - 1)
        return path;
    return path + (name.endsWith(QLatin1Char('.')) ? extension : QLatin1Char('.') + extension);
}

} // namespace FileNames
