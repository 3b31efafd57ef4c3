#include "SettingsStore.h"

#include "Seams.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace SettingsStore {

QString folder() {
    if (!seams().settingsFolder.isEmpty())
        return seams().settingsFolder;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Periwell");
}

static QString fileFor(const QString& application) {
    return QDir(folder()).filePath(application + QStringLiteral(".ini"));
}

QString GetSetting(const QString& application, const QString& section, const QString& key,
                   const QString& defaultValue) {
    QSettings settings(fileFor(application), QSettings::IniFormat);
    settings.beginGroup(section);
    return settings.value(key, defaultValue).toString();
}

void SaveSetting(const QString& application, const QString& section, const QString& key,
                 const QString& value) {
    QSettings settings(fileFor(application), QSettings::IniFormat);
    settings.beginGroup(section);
    settings.setValue(key, value);
}

} // namespace SettingsStore
