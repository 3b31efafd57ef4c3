#pragma once

#include <QObject>

class frmMain;

// The menu items that show one modal box: File > Open Timetable and View > View Timetable
// (the open list, which the toolbar's View Table button runs too), Help > Tip of the Day and
// Help > About.
class DialogCommands : public QObject {
    Q_OBJECT
public:
    explicit DialogCommands(frmMain& main);

    void mnuFileOpen_Click();
    void mnuHelpTipOfTheDay_Click();
    void mnuHelpAbout_Click();

private:
    frmMain& m_main;
};
