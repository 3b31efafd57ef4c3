#pragma once

#include <QObject>

class QMdiSubWindow;
class frmMain;

// The menu commands whose work is the main window's own: closing windows and the program,
// Select All, the View menu's list toggles and the Help menu. The Window menu has a class of
// its own (WindowMenu), made here too.
class MenuCommands : public QObject {
    Q_OBJECT
public:
    explicit MenuCommands(frmMain& main);

    // Ctrl+F4 is File > Close's: a timetable window's own window menu must not claim it too,
    // or neither would run.
    static void leaveCloseKeyToFileClose(QMdiSubWindow& sub);

    void mnuFileClose_Click();
    void mnuFileExit_Click();
    void mnuEditSelectAll_Click();
    void mnuHelpContents_Click();
    void mnuHelpIndex_Click();
    void mnuHelpSearch_Click();
    // Online Support and Send Feedback both open the maker's web page.
    void openMakerWebPage();

protected:
    // Closing the main window closes every timetable window first, so each stores its sizes.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    frmMain& m_main;
};
