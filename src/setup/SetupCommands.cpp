#include "SetupCommands.h"

#include "AutoFill.h"
#include "NewTimetableWizard.h"
#include "app/ErrorReport.h"
#include "app/MainMenus.h"
#include "app/MainToolBar.h"
#include "app/ModMain.h"
#include "app/TreeBars.h"
#include "app/frmMain.h"
#include "app/frmTableWindow.h"
#include "data/TimetableBuilder.h"
#include "frmManage.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include <utility>

SetupCommands::SetupCommands(frmMain& main, MainToolBar& toolBar) : QObject(&main), m_main(main) {
    setObjectName(QStringLiteral("SetupCommands"));
    main.menus().connectItem("mnuFileNew", this, &SetupCommands::DoNewTimeTableWizard);
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

void SetupCommands::DoNewTimeTableWizard() {
    if (QMdiSubWindow* active = m_main.mdiArea()->currentSubWindow())
        active->setFocus();
    NewTimetableAnswers answers;
    if (NewTimetableWizard::run(m_main.state(), answers, &m_main))
        buildAndOpen(answers);
    if (!answers.ownerAdded)
        return;
    // The lists must show the new owner; the refill then loads the active window's current
    // cell into them again, so the next click does not write a cell with nothing selected.
    if (Result<void> refilled = m_main.picLeftBar().PopulateTreeBars(); !refilled)
        reportError(QStringLiteral("The lists could not be read."), refilled.error(), &m_main);
}

void SetupCommands::buildAndOpen(const NewTimetableAnswers& answers) {
    const NewTimetable timetable{answers.kind, answers.whoId, answers.styleId, answers.days,
                                 answers.times};
    Result<std::optional<int>> built = TimetableBuilder::build(m_main.state().db(), timetable);
    if (!built) {
        reportError(QStringLiteral("The timetable could not be created."), built.error(), &m_main);
        return;
    }
    if (!built.value())
        return;
    frmTableWindow* window = m_main.LoadTable(*built.value());
    if (!window)
        return;
    // The window opens at its first cell (1, 1), as LoadTable leaves it.
    m_main.RefreshTable(*window);
    m_main.showTableWindow(*window);
    m_main.mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(window->parentWidget()));
    m_main.activateCurrentWindow();
}

void SetupCommands::mnuToolsAutoFill_Click() {
    AutoFill(m_main).run();
}
