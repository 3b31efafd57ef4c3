#include "SetupCommands.h"

#include "AutoFill.h"
#include "app/MainMenus.h"
#include "app/MainToolBar.h"
#include "app/frmMain.h"

SetupCommands::SetupCommands(frmMain& main, MainToolBar& toolBar) : QObject(&main), m_main(main) {
    setObjectName(QStringLiteral("SetupCommands"));
    main.menus().connectItem("mnuToolsAutoFill", this, &SetupCommands::mnuToolsAutoFill_Click);
    connect(&toolBar, &MainToolBar::autoFillRequested, this,
            &SetupCommands::mnuToolsAutoFill_Click);
}

void SetupCommands::mnuToolsAutoFill_Click() {
    AutoFill(m_main).run();
}
