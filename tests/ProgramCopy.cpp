// The program as a copy that a test starts in a process of its own: the folder given as the
// first argument holds db.mdb and the settings; each message box is written to standard output
// and answered with OK, and every dialog but the splash is closed at once, so nothing waits for
// a user. "running" is written once the main window has taken over.

#include "app/ModMain.h"
#include "app/Startup.h"
#include "app/frmMain.h"
#include "platform/MsgBox.h"
#include "platform/Seams.h"
#include "wiring/CommandWiring.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QTimer>

#include <cstdio>

namespace {

void say(const QString& line) {
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

bool mainWindowTookOver() {
    if (QApplication::activeModalWidget())
        return false;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<frmMain*>(widget) && widget->isVisible())
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Periwell"));
    if (argc < 2)
        return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    seams().programFolder = folder;
    seams().settingsFolder = QDir(folder).filePath(QStringLiteral("settings"));
    seams().executableName = QStringLiteral("periwell");
    seams().msgBox = [](const MsgBoxCall& call) {
        say(QStringLiteral("box: ") +
            QString(call.text).replace(QLatin1Char('\n'), QLatin1Char(' ')));
        return int(vb::vbOK);
    };
    seams().modal = [](QDialog& dialog) {
        return dialog.objectName() == QLatin1String("frmSplash") ? dialog.exec()
                                                                 : int(QDialog::Rejected);
    };
    QTimer ready;
    QObject::connect(&ready, &QTimer::timeout, [&ready] {
        if (!mainWindowTookOver())
            return;
        ready.stop();
        say(QStringLiteral("running"));
    });
    ready.start(20);
    ModMain state;
    return Main(state, wireCommands);
}
