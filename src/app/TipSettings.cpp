#include "TipSettings.h"

#include "platform/ProgramInfo.h"
#include "platform/SettingsStore.h"

namespace TipSettings {

namespace {

const QString Section = QStringLiteral("Options");
const QString ShowKey = QStringLiteral("Show Tips at Startup");
const QString CurrentKey = QStringLiteral("Current Tip");

// The stored number; `defaultValue` when none is stored, `badValue` when the text is none.
int readNumber(const QString& key, int defaultValue, int badValue) {
    const QString text = SettingsStore::GetSetting(ProgramInfo::executableName(), Section, key,
                                                   QString::number(defaultValue));
    bool isNumber = false;
    const int value = text.trimmed().toInt(&isNumber);
    return isNumber ? value : badValue;
}

void save(const QString& key, int value) {
    SettingsStore::SaveSetting(ProgramInfo::executableName(), Section, key, QString::number(value));
}

} // namespace

bool showAtStartup() {
    return readNumber(ShowKey, 1, 1) != 0;
}

void setShowAtStartup(bool show) {
    save(ShowKey, show ? 1 : 0);
}

int currentTip() {
    return readNumber(CurrentKey, 1, 0);
}

void setCurrentTip(int tip) {
    save(CurrentKey, tip);
}

} // namespace TipSettings
