#pragma once

#include <QString>
#include <QStringList>

// Turns resources/db.sql into a database file. Used by the build tool and the test fixture;
// the program itself never creates a table.
namespace SchemaScript {

// Splits a script into single statements (the SQLite driver runs one per exec), dropping
// "--" comments and honouring quoted text.
QStringList splitStatements(const QString& script);

// Creates a new database file at `path` from the script. Refuses to touch an existing file.
// Returns an empty string on success, else the reason.
QString createDatabase(const QString& scriptPath, const QString& path);

} // namespace SchemaScript
