#pragma once

#include "data/Result.h"

#include <QByteArray>
#include <QString>

class QImage;

// Writing an export to disk: all or nothing, so a failure leaves an existing file as it was.
namespace ExportFile {

// Replaces the file at `path` with `bytes`; the error gives the reason in words.
Result<void> write(const QString& path, const QByteArray& bytes);

// The picture as a Windows bitmap file's bytes; an error when there is no picture.
Result<QByteArray> bitmap(const QImage& picture);

} // namespace ExportFile
