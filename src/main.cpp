#include "app/ModMain.h"
#include "app/Startup.h"
#include "wiring/CommandWiring.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Periwell"));
    ModMain state;
    return Main(state, wireCommands);
}
