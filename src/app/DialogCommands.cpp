#include "DialogCommands.h"

#include "MainMenus.h"
#include "frmAbout.h"
#include "frmMain.h"
#include "frmTableOpen.h"
#include "frmTip.h"

#include <QAction>

DialogCommands::DialogCommands(frmMain& main) : QObject(&main), m_main(main) {
    connectItem("mnuFileOpen", &DialogCommands::mnuFileOpen_Click);
    connectItem("mnuViewTimetable", &DialogCommands::mnuFileOpen_Click);
    connectItem("mnuHelpTipOfTheDay", &DialogCommands::mnuHelpTipOfTheDay_Click);
    connectItem("mnuHelpAbout", &DialogCommands::mnuHelpAbout_Click);
}

void DialogCommands::connectItem(const char* name, void (DialogCommands::*handler)()) {
    connect(m_main.menus().item(QString::fromLatin1(name)), &QAction::triggered, this, handler);
}

void DialogCommands::mnuFileOpen_Click() {
    frmTableOpen::showModal(m_main);
}

void DialogCommands::mnuHelpTipOfTheDay_Click() {
    frmTip::showModal(&m_main);
}

void DialogCommands::mnuHelpAbout_Click() {
    frmAbout::showModal(&m_main);
}
