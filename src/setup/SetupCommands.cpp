#include "SetupCommands.h"

#include "AutoFill.h"
#include "app/MainMenus.h"
#include "app/MainToolBar.h"
#include "app/frmMain.h"
#include "frmManage.h"

#include <utility>

SetupCommands::SetupCommands(frmMain& main, MainToolBar& toolBar) : QObject(&main), m_main(main) {
    setObjectName(QStringLiteral("SetupCommands"));
    main.menus().connectItem("mnuToolsAutoFill", this, &SetupCommands::mnuToolsAutoFill_Click);
    connect(&toolBar, &MainToolBar::autoFillRequested, this,
            &SetupCommands::mnuToolsAutoFill_Click);
    // The manage dialog's tab per item, in both the Tools menu and the left bar's pop-up.
    using namespace NameLists;
    const std::pair<const char*, List> manageItems[] = {
        {"mnuToolsManageTutors", Tutor}, {"mnuToolsManageSubjects", Subject},
        {"mnuToolsManageRooms", Room},   {"mnuToolsManageClasses", Class},
        {"mnuLMRCManageTutors", Tutor},  {"mnuLMRCSubjects", Subject},
        {"mnuLMRCRooms", Room},          {"mnuLMRCClasses", Class}};
    for (const auto& [item, tab] : manageItems)
        main.menus().connectItem(item, this, [this, tab] { frmManage::showModal(m_main, tab); });
}

void SetupCommands::mnuToolsAutoFill_Click() {
    AutoFill(m_main).run();
}
