#pragma once

#include <QObject>

class frmMain;

// Edit > Cut, Copy and Paste and the same items of the grid's cell menu, on the active
// timetable window.
class ClipboardCommands : public QObject {
    Q_OBJECT
public:
    explicit ClipboardCommands(frmMain& main);

public slots:
    void mnuEditCut_Click();
    void mnuEditCopy_Click();
    void mnuEditPaste_Click();

private:
    void copy(bool cut);

    frmMain& m_main;
};
