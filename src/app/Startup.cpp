#include "Startup.h"

#include "ModMain.h"
#include "frmMain.h"
#include "TipSettings.h"
#include "frmSplash.h"
#include "frmTip.h"
#include "platform/ModalRunner.h"
#include "platform/MsgBox.h"
#include "platform/SettingsStore.h"
#include "platform/WaitCursor.h"

#include <QApplication>

namespace {

// Loads the main window once; later requests do nothing.
class MainWindowLoader {
public:
    explicit MainWindowLoader(ModMain& state) : m_state(state) {}

    void load() {
        if (m_window)
            return;
        m_window = std::make_unique<frmMain>(m_state);
        m_result = m_window->MDIForm_Load();
    }
    const Result<void>& result() const { return m_result; }
    std::unique_ptr<frmMain> take() { return std::move(m_window); }

private:
    ModMain& m_state;
    std::unique_ptr<frmMain> m_window;
    Result<void> m_result;
};

bool firstRunPending() {
    const QString firstRun =
        SettingsStore::GetSetting(QStringLiteral("Velmora"), QStringLiteral("Config"), QStringLiteral("FirstRun"),
                                  QStringLiteral("True"));
    SettingsStore::SaveSetting(QStringLiteral("Velmora"), QStringLiteral("Config"), QStringLiteral("FirstRun"),
                               QStringLiteral("False"));
    return firstRun.compare(QLatin1String("False"), Qt::CaseInsensitive) != 0 && firstRun != QLatin1String("0");
}

} // namespace

Result<std::unique_ptr<frmMain>> StartUp(ModMain& state) {
    MainWindowLoader loader(state);
    {
        WaitCursor wait;
        frmSplash splash;
        QObject::connect(&splash, &frmSplash::loadMainRequested, &splash, [&loader, &splash] {
            loader.load();
            splash.accept();
        });
        runModal(splash);
        loader.load(); // the splash may have closed before its timer loaded the main window
    }
    if (!loader.result())
        return loader.result().error();
    std::unique_ptr<frmMain> window = loader.take();
    if (TipSettings::showAtStartup())
        frmTip::showModal(window.get());
    if (firstRunPending())
        window->FirstRun();
    return window;
}

int Main(ModMain& state) {
    Result<std::unique_ptr<frmMain>> window = StartUp(state);
    if (!window) {
        MsgBox(window.error().message, vb::vbCritical);
        return 1;
    }
    return QApplication::exec();
}
