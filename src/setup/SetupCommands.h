#pragma once

#include <QObject>

class MainToolBar;
class frmMain;
struct NewTimetableAnswers;

// The commands that set a school up: the timetable wizards, the manage dialog and Auto Fill.
class SetupCommands : public QObject {
    Q_OBJECT
public:
    SetupCommands(frmMain& main, MainToolBar& toolBar);

public slots:
    // Runs the new-timetable wizard and opens the timetable it creates.
    void DoNewTimeTableWizard();
    // Chosen from the menu or the toolbar button, which runs also where the menu item is off.
    void mnuToolsAutoFill_Click();

private:
    // Writes the timetable the answers describe and opens it as the current window.
    void buildAndOpen(const NewTimetableAnswers& answers);

    frmMain& m_main;
};
