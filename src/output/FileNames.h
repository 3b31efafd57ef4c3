#pragma once

#include <QString>

#include <optional>

// The names of the files the program saves.
namespace FileNames {

// The extension of the first pattern of a file dialog's filter ("CSV (*.csv)" gives "csv");
// nothing when the filter names no extension.
std::optional<QString> filterExtension(const QString& filter);

// The path with `extension` added when its file name has none ("7b" becomes "7b.csv"); a name
// that has one is kept as typed. A name ending in a dot takes the extension after that dot.
QString withExtension(const QString& path, const QString& extension);

} // namespace FileNames
