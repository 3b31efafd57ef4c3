#include "ClipboardCommands.h"

#include "MainMenus.h"
#include "frmMain.h"
#include "frmTableWindow.h"

#include <QAction>

ClipboardCommands::ClipboardCommands(frmMain& main) : QObject(&main), m_main(main) {
    setObjectName(QStringLiteral("ClipboardCommands"));
    const MainMenus& menus = main.menus();
    menus.connectItem("mnuEditCut", this, &ClipboardCommands::mnuEditCut_Click);
    menus.connectItem("mnuEditCopy", this, &ClipboardCommands::mnuEditCopy_Click);
    menus.connectItem("mnuEditPaste", this, &ClipboardCommands::mnuEditPaste_Click);
    menus.connectItem("mnuRightClickCut", this, &ClipboardCommands::mnuEditCut_Click);
    menus.connectItem("mnuRightClickCopy", this, &ClipboardCommands::mnuEditCopy_Click);
    menus.connectItem("mnuRightClickPaste", this, &ClipboardCommands::mnuEditPaste_Click);
}

void ClipboardCommands::mnuEditCut_Click() {
    copy(true);
}

void ClipboardCommands::mnuEditCopy_Click() {
    copy(false);
}

void ClipboardCommands::copy(bool cut) {
    frmTableWindow* f = m_main.activeTableWindow();
    if (!f)
        return;
    f->ClipboardCopy(cut);
    m_main.menus().item("mnuEditPaste")->setEnabled(true);
}

void ClipboardCommands::mnuEditPaste_Click() {
    if (frmTableWindow* f = m_main.activeTableWindow())
        f->ClipboardPaste();
}
