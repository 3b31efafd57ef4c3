#pragma once

#include <QObject>

class frmMain;

// The commands that show or give out a timetable: formatting and styles, find and replace,
// the capacity report, the exports and printing.
class OutputCommands : public QObject {
    Q_OBJECT
public:
    explicit OutputCommands(frmMain& main);

private:
    frmMain& m_main;
};
