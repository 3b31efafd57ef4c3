#pragma once

#include <QObject>

class PrintCommands;
class frmMain;

// The commands that show or give out a timetable: formatting and styles, find and replace,
// the capacity report, the exports and printing.
class OutputCommands : public QObject {
    Q_OBJECT
public:
    explicit OutputCommands(frmMain& main);

    // Page setup, printing and the preview, with the program's printer.
    PrintCommands& printCommands() const { return *m_printCommands; }

private:
    frmMain& m_main;
    PrintCommands* m_printCommands = nullptr;
};
