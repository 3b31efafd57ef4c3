#pragma once

#include <QString>

// The per-user settings store: an application name, a section and a key, with a default for
// each read. One INI file per application name.
namespace SettingsStore {

QString GetSetting(const QString& application, const QString& section, const QString& key,
                   const QString& defaultValue);
void SaveSetting(const QString& application, const QString& section, const QString& key,
                 const QString& value);

// The folder that holds the files (the tests' own when they set one).
QString folder();

} // namespace SettingsStore
