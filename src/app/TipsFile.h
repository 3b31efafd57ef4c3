#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace TipsFile {

// The lines of a tips file, one tip per line, empty lines included. Read as UTF-8 with CR LF or
// LF line ends; a final line break adds no empty tip. Nothing when the file cannot be read.
std::optional<QStringList> read(const QString& path);

} // namespace TipsFile
