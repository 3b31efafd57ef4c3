#include "CommandWiring.h"

#include "app/frmMain.h"
#include "output/OutputCommands.h"
#include "setup/SetupCommands.h"

WiredCommands wireCommands(frmMain& main) {
    auto* setup = new SetupCommands(main, main.toolBar());
    auto* output = new OutputCommands(main);
    QObject::connect(&main, &frmMain::newTimetableWizardRequested, setup,
                     &SetupCommands::DoNewTimeTableWizard);
    QObject::connect(&main, &frmMain::tableWindowAboutToClose, output,
                     &OutputCommands::tableWindowClosing);
    return {setup, output};
}
