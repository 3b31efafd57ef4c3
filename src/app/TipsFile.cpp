#include "TipsFile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace TipsFile {

std::optional<QStringList> read(const QString& path) {
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QStringDecoder utf8(QStringDecoder::Utf8); // drops a byte order mark
    QString text = utf8.decode(file.readAll());
    if (text.isEmpty())
        return QStringList();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.split(QLatin1Char('\n'));
}

} // namespace TipsFile
