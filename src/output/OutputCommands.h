#pragma once

#include <QObject>
#include <QPointer>

class PrintCommands;
class frmFind;
class frmMain;
class frmReplace;

// The commands that show or give out a timetable: formatting and styles, find and replace,
// the capacity report, the exports and printing.
class OutputCommands : public QObject {
    Q_OBJECT
public:
    explicit OutputCommands(frmMain& main);

    // Page setup, printing and the preview, with the program's printer.
    PrintCommands& printCommands() const { return *m_printCommands; }

    // The open Find and Replace dialogs; null when closed.
    frmFind* find() const;
    frmReplace* replace() const;

    // Shows the open Find dialog, or a new one.
    void mnuEditFind_Click();
    // Shows the open Replace dialog, or a new one for the active timetable window.
    void mnuEditReplace_Click();
    // A timetable window is closing: a search across the windows ends with it.
    void tableWindowClosing();

private:
    frmMain& m_main;
    PrintCommands* m_printCommands = nullptr;
    QPointer<frmFind> m_find;
    QPointer<frmReplace> m_replace;
};
