#include "TipSettings.h"

#include "platform/ProgramInfo.h"
#include "platform/SettingsStore.h"

namespace TipSettings {

namespace {

const QString Section = QStringLiteral("Options");
const QString ShowKey = QStringLiteral("Show Tips at Startup");
const QString CurrentKey = QStringLiteral("Current Tip");

int readNumber(const QString& key, int defaultValue) {
    const QString text = SettingsStore::GetSetting(ProgramInfo::executableName(), Section, key,
                                                   QString::number(defaultValue));
    bool isNumber = false;
    const int value = text.trimmed().toInt(&isNumber);
    return isNumber ? value : defaultValue;
}

void save(const QString& key, int value) {
    SettingsStore::SaveSetting(ProgramInfo::executableName(), Section, key,
                               QString::number(value));
}

} // namespace

bool showAtStartup() {
    return readNumber(ShowKey, 1) != 0;
}

void setShowAtStartup(bool show) {
    save(ShowKey, show ? 1 : 0);
}

int currentTip() {
    return readNumber(CurrentKey, 1);
}

void setCurrentTip(int tip) {
    save(CurrentKey, tip);
}

} // namespace TipSettings
