#include "MainMenus.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace {

struct ItemDefinition {
    const char* name;
    const char* caption; // "-" for a separator
    const char* shortcut;
    bool enabled;
    bool visible;
};

struct MenuDefinition {
    const char* name;
    const char* caption;
    std::initializer_list<ItemDefinition> items;
};

const std::initializer_list<MenuDefinition>& menuBarDefinition() {
    static const std::initializer_list<MenuDefinition> menus = {
        {"mnuFile",
         "&File",
         {{"mnuFileNew", "&New Timetable...", "Ctrl+N", true, true},
          {"mnuFileOpen", "&Open Timetable...", "Ctrl+O", true, true},
          {"mnuFileClose", "&Close", "Ctrl+F4", true, true},
          {"mnuFileSep", "-", "", true, true},
          {"mnuFileSave", "&Save", "Ctrl+S", true, true},
          {"mnuFileSaveAsWebPage", "Save As &Web Page...", "", true, true},
          {"mnuFileSaveAsImage", "Save As &Image...", "", true, true},
          {"mnuFileSaveAsCSV", "Save As &CSV...", "", true, true},
          {"mnuFileSep1", "-", "", true, true},
          {"mnuFilePageSetup", "Page &Setup...", "", true, true},
          {"mnuFilePrintPreview", "Print Pre&view...", "", true, false},
          {"mnuFilePrint", "&Print...", "Ctrl+P", true, true},
          {"mnuFileSep2", "-", "", true, true},
          {"mnuFileExit", "E&xit", "", true, true}}},
        {"mnuView",
         "&View",
         {{"mnuViewShowTutors", "Show &Tutor List", "", true, true},
          {"mnuViewShowSubjects", "Show &Subject List", "", true, true},
          {"mnuViewShowRooms", "Show &Room List", "", true, true},
          {"mnuViewShowClasses", "Show &Class List", "", true, true},
          {"mnuViewSep1", "-", "", true, true},
          {"mnuViewTimetable", "View T&imetable...", "Ctrl+T", true, true}}},
        {"mnuEdit",
         "&Edit",
         {{"mnuEditUndo", "&Undo", "Ctrl+Z", false, true},
          {"mnuEditSep1", "-", "", true, true},
          {"mnuEditCut", "Cu&t", "Ctrl+X", true, true},
          {"mnuEditCopy", "&Copy", "Ctrl+C", true, true},
          {"mnuEditPaste", "&Paste", "Ctrl+V", false, true},
          {"mnuEditSep2", "-", "", true, true},
          {"mnuEditClear", "Cle&ar", "Del", true, true},
          {"mnuEditSelectAll", "Select &All", "Ctrl+A", true, true},
          {"mnuEditSep3", "-", "", true, true},
          {"mnuEditFind", "&Find...", "Ctrl+F", true, true},
          {"mnuEditReplace", "&Replace...", "Ctrl+H", true, true}}},
        {"mnuFormat",
         "F&ormat",
         {{"mnuFormatFormat", "Timetable F&ormat...", "", true, true},
          {"mnuFormatDefineDaysAndTimes", "Define Timetable &Days and Times...", "", true, false},
          {"mnuFormatSep1", "-", "", true, true},
          {"mnuFormatSameSizeColumns", "Same Size &Columns", "", true, true},
          {"mnuFormatSameSizeRows", "Same Size &Rows", "", true, true},
          {"mnuFormatSep2", "-", "", true, true},
          {"mnuFormatStyle", "&Style Picker...", "Ctrl+Y", true, true},
          {"mnuFormatSep3", "-", "", true, true},
          {"mnuFormatDefineLunchColumn", "Define/Remove  &Lunch Column...", "", true, true}}},
        {"mnuTools",
         "&Tools",
         {{"mnuToolsAutoFill", "&Auto Fill...", "Ctrl+G", true, true},
          {"mnuToolsSep1", "-", "", true, true},
          {"mnuToolsCapacityReport", "&Capacity Report...", "Ctrl+R", true, true},
          {"mnuToolsSep2", "-", "", true, true},
          {"mnuToolsOptions", "&Options...", "", true, false},
          {"mnuToolsSep3", "-", "", true, false},
          {"mnuToolsManageTutors", "Manage &Tutors...", "Shift+F1", true, true},
          {"mnuToolsManageSubjects", "Manage &Subjects...", "Shift+F2", true, true},
          {"mnuToolsManageRooms", "Manage &Rooms...", "Shift+F3", true, true},
          {"mnuToolsManageClasses", "Manage &Classes...", "Shift+F4", true, true}}},
        {"mnuPeriod",
         "&Period",
         {{"mnuPeriodClear", "&Clear", "", true, true},
          {"mnuPeriodLunch", "&Lunch", "Ctrl+L", true, true},
          {"mnuPeriodBreak", "&Break", "Ctrl+B", true, true},
          {"mnuPeriodUnavailable", "&Unavailable", "Ctrl+U", true, true}}},
        {"mnuWindow",
         "&Window",
         {{"mnuWindowTileH", "Tile Horizontally", "", true, true},
          {"mnuWindowTileV", "Tile Vertically", "", true, true},
          {"mnuWindowCascade", "Cascade", "", true, true},
          {"mnuWindowArrangeIcons", "Arrange Icons", "", true, true}}},
        {"mnuHelp",
         "&Help",
         {{"mnuHelpContents", "&Contents...", "F1", true, true},
          {"mnuHelpTipOfTheDay", "Tip of the &Day...", "", true, true},
          {"mnuHelpIndex", "&Index...", "", true, true},
          {"mnuHelpSearch", "&Search...", "", true, true},
          {"mnuHelpSep2", "-", "", true, true},
          {"mnuHelpOnlineSupport", "&Online Support", "", true, true},
          {"mnuHelpSendFeedback", "Send &Feedback", "", true, true},
          {"mnusep1", "-", "", true, true},
          {"mnuHelpAbout", "&About...", "", true, true}}},
    };
    return menus;
}

const MenuDefinition RightClickDefinition = {
    "mnuRightClick",
    "Prop",
    {{"mnuRightClickUndo", "&Undo", "", false, true},
     {"mnuRightClickSep1", "-", "", true, true},
     {"mnuRightClickCut", "Cu&t", "", true, true},
     {"mnuRightClickCopy", "&Copy", "", true, true},
     {"mnuRightClickPaste", "&Paste", "", true, true},
     {"mnuRightClickDelete", "&Delete", "", true, true},
     {"mnuRightClickSep2", "-", "", true, true},
     {"mnuRightClickSelectAll", "Select &All", "", true, true}}};

const MenuDefinition LeftMenuRightClickDefinition = {
    "mnuLeftMenuRightClick",
    "mnuLeftMenuRightClick",
    {{"mnuLMRCManageTutors", "Manage &Tutors...", "", true, true},
     {"mnuLMRCSubjects", "Manage &Subjects...", "", true, true},
     {"mnuLMRCRooms", "Manage &Rooms...", "", true, true},
     {"mnuLMRCClasses", "Manage &Classes...", "", true, true}}};

} // namespace

MainMenus::MainMenus(QMainWindow& window) : QObject(&window), m_window(window) {
    const auto fill = [this](QMenu& menu, const MenuDefinition& definition) {
        for (const ItemDefinition& item : definition.items) {
            QAction* action =
                addItem(menu, QString::fromLatin1(item.name), QString::fromLatin1(item.caption),
                        QString::fromLatin1(item.shortcut));
            action->setEnabled(item.enabled);
            action->setVisible(item.visible);
        }
    };
    for (const MenuDefinition& definition : menuBarDefinition())
        fill(
            *addMenu(QString::fromLatin1(definition.name), QString::fromLatin1(definition.caption)),
            definition);
    m_rightClick = addMenu(QString::fromLatin1(RightClickDefinition.name),
                           QString::fromLatin1(RightClickDefinition.caption));
    fill(*m_rightClick, RightClickDefinition);
    m_leftMenuRightClick = addMenu(QString::fromLatin1(LeftMenuRightClickDefinition.name),
                                   QString::fromLatin1(LeftMenuRightClickDefinition.caption));
    fill(*m_leftMenuRightClick, LeftMenuRightClickDefinition);
    // The pop-ups are not on the menu bar.
    m_window.menuBar()->removeAction(m_rightClick->menuAction());
    m_window.menuBar()->removeAction(m_leftMenuRightClick->menuAction());
}

QMenu* MainMenus::addMenu(const QString& name, const QString& caption) {
    QMenu* menu = m_window.menuBar()->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    m_menus.insert(name, menu);
    return menu;
}

QAction* MainMenus::addItem(QMenu& menu, const QString& name, const QString& caption,
                            const QString& shortcut) {
    QAction* action = caption == QLatin1String("-") ? menu.addSeparator() : menu.addAction(caption);
    action->setObjectName(name);
    if (!shortcut.isEmpty())
        action->setShortcut(QKeySequence(shortcut));
    m_items.insert(name, action);
    return action;
}

QAction* MainMenus::item(const QString& name) const {
    QAction* found = m_items.value(name);
    if (!found)
        qFatal("There is no menu item named %s", qPrintable(name));
    return found;
}

QMenu* MainMenus::menu(const QString& name) const {
    return m_menus.value(name);
}

const QStringList& MainMenus::timetableCommands() {
    static const QStringList names = {"mnuEditClear",
                                      "mnuEditCopy",
                                      "mnuEditCut",
                                      "mnuEditFind",
                                      "mnuEditPaste",
                                      "mnuEditReplace",
                                      "mnuEditSelectAll",
                                      "mnuFileClose",
                                      "mnuFilePageSetup",
                                      "mnuFilePrint",
                                      "mnuFileSaveAsCSV",
                                      "mnuFileSaveAsImage",
                                      "mnuFileSaveAsWebPage",
                                      "mnuFormatDefineLunchColumn",
                                      "mnuFormatFormat",
                                      "mnuFormatSameSizeColumns",
                                      "mnuFormatSameSizeRows",
                                      "mnuFormatStyle",
                                      "mnuPeriodBreak",
                                      "mnuPeriodClear",
                                      "mnuPeriodLunch",
                                      "mnuPeriodUnavailable",
                                      "mnuToolsAutoFill"};
    return names;
}

void MainMenus::setTimetableCommandsEnabled(bool enabled, bool autoFill) {
    for (const QString& name : timetableCommands())
        item(name)->setEnabled(enabled && (name != QLatin1String("mnuToolsAutoFill") || autoFill));
}
