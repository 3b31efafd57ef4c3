#include "DialogCommands.h"

#include "MainMenus.h"
#include "frmAbout.h"
#include "frmMain.h"
#include "frmTableOpen.h"
#include "frmTip.h"

#include <QAction>

DialogCommands::DialogCommands(frmMain& main) : QObject(&main), m_main(main) {
    m_main.menus().connectItem(QStringLiteral("mnuFileOpen"), this,
                               &DialogCommands::mnuFileOpen_Click);
    m_main.menus().connectItem(QStringLiteral("mnuViewTimetable"), this,
                               &DialogCommands::mnuFileOpen_Click);
    m_main.menus().connectItem(QStringLiteral("mnuHelpTipOfTheDay"), this,
                               &DialogCommands::mnuHelpTipOfTheDay_Click);
    m_main.menus().connectItem(QStringLiteral("mnuHelpAbout"), this,
                               &DialogCommands::mnuHelpAbout_Click);
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
