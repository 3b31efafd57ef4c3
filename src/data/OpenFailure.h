#pragma once

#include "FileFacts.h"
#include "Result.h"

#include <QString>

#include <optional>

// Why a database file cannot be used, in words a school office can act on.
namespace OpenFailure {

// The refusal of a file for a reason found before the engine is asked: a link loop, a missing
// file, a folder; nothing when the engine may try it.
std::optional<QString> beforeOpening(const FileFacts& facts);

// The reason behind an engine's failure: its own words where they are precise (not a
// database, damaged, locked), otherwise what the file system says.
QString reason(const FileFacts& facts, const QString& engineText);

// The message that names the file and the reason.
Error error(const QString& path, const QString& reason);

} // namespace OpenFailure
