#pragma once

#include <QObject>

class MainToolBar;
class frmMain;

// The commands that set a school up: the timetable wizards, the manage dialog and Auto Fill.
class SetupCommands : public QObject {
    Q_OBJECT
public:
    SetupCommands(frmMain& main, MainToolBar& toolBar);

public slots:
    // Chosen from the menu or the toolbar button, which runs also where the menu item is off.
    void mnuToolsAutoFill_Click();

private:
    frmMain& m_main;
};
