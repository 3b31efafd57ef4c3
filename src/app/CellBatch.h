#pragma once

#include <QString>

#include <functional>

class frmMain;
class frmTableWindow;

// Runs a command that writes many cells of one window as one transaction. The steps report
// their own failures and return false; a failed begin or commit is reported here with `what`.
// On any failure nothing of the command stays: the one-step undo is as it was before and the
// window shows the stored timetable again. True when everything was written.
bool writeCellsAllOrNothing(frmMain& main, frmTableWindow& f, const QString& what,
                            const std::function<bool()>& steps);
