#include "ExportFile.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>

namespace ExportFile {

Result<void> write(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Error{file.errorString()};
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return Error{reason};
    }
    if (!file.commit())
        return Error{file.errorString()};
    return {};
}

Result<QByteArray> bitmap(const QImage& picture) {
    if (picture.isNull())
        return Error{QStringLiteral("There is not enough memory for a picture of the whole grid.")};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(picture))
        return Error{writer.errorString()};
    return bytes;
}

} // namespace ExportFile
