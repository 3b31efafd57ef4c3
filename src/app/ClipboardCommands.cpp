#include "ClipboardCommands.h"

#include "MainMenus.h"
#include "frmMain.h"
#include "frmTableWindow.h"

#include <QAction>

ClipboardCommands::ClipboardCommands(frmMain& main) : QObject(&main), m_main(main) {
    setObjectName(QStringLiteral("ClipboardCommands"));
    connectItem("mnuEditCut", &ClipboardCommands::mnuEditCut_Click);
    connectItem("mnuEditCopy", &ClipboardCommands::mnuEditCopy_Click);
    connectItem("mnuEditPaste", &ClipboardCommands::mnuEditPaste_Click);
    connectItem("mnuRightClickCut", &ClipboardCommands::mnuEditCut_Click);
    connectItem("mnuRightClickCopy", &ClipboardCommands::mnuEditCopy_Click);
    connectItem("mnuRightClickPaste", &ClipboardCommands::mnuEditPaste_Click);
}

void ClipboardCommands::connectItem(const char* name, void (ClipboardCommands::*command)()) {
    connect(m_main.menus().item(QString::fromLatin1(name)), &QAction::triggered, this, command);
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
