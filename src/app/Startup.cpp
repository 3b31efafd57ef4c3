#include "Startup.h"

#include "ModMain.h"
#include "TipSettings.h"
#include "frmMain.h"
#include "frmSplash.h"
#include "frmTip.h"
#include "platform/ModalRunner.h"
#include "platform/MsgBox.h"
#include "platform/Resources.h"
#include "platform/SettingsStore.h"
#include "platform/WaitCursor.h"

#include <QApplication>

namespace {

// Loads the main window once; later requests do nothing.
class MainWindowLoader {
public:
    MainWindowLoader(ModMain& state, const MainWindowWiring& wire) : m_state(state), m_wire(wire) {}

    void load() {
        if (m_window)
            return;
        m_window = std::make_unique<frmMain>(m_state);
        m_wire(*m_window);
        m_result = m_window->MDIForm_Load();
    }
    const Result<void>& result() const { return m_result; }
    std::unique_ptr<frmMain> take() { return std::move(m_window); }

private:
    ModMain& m_state;
    const MainWindowWiring& m_wire;
    std::unique_ptr<frmMain> m_window;
    Result<void> m_result;
};

bool firstRunPending() {
    const QString firstRun =
        SettingsStore::GetSetting(QStringLiteral("Velmora"), QStringLiteral("Config"),
                                  QStringLiteral("FirstRun"), QStringLiteral("True"));
    SettingsStore::SaveSetting(QStringLiteral("Velmora"), QStringLiteral("Config"),
                               QStringLiteral("FirstRun"), QStringLiteral("False"));
    return firstRun.compare(QLatin1String("False"), Qt::CaseInsensitive) != 0 &&
           firstRun != QLatin1String("0");
}

} // namespace

Result<std::unique_ptr<frmMain>> StartUp(ModMain& state, const MainWindowWiring& wire) {
    // Every window, dialog and the maximised window's menu bar show the program's own icon.
    QApplication::setWindowIcon(Resources::programIcon());
    MainWindowLoader loader(state, wire);
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

int Main(ModMain& state, const MainWindowWiring& wire) {
    Result<std::unique_ptr<frmMain>> window = StartUp(state, wire);
    if (!window) {
        MsgBox(window.error().message, vb::vbCritical);
        return 1;
    }
    return QApplication::exec();
}
