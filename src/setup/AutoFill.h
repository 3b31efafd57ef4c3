#pragma once

#include "data/AutoFillStore.h"
#include "data/TimetableSlots.h"

#include <QPointer>

#include <memory>
#include <optional>

class WizardPage;
class frmMain;
class frmTableWindow;
struct WizardProgress;

// Fills the free periods of the active class timetable: five pages ask for the subjects (with
// their periods), the rooms and the tutors, then the fill writes the lessons and redraws them.
class AutoFill {
public:
    explicit AutoFill(frmMain& main) : m_main(main) {}

    // The whole command: checks the window, runs the pages and, unless cancelled, the fill.
    void run();

    // Fills the window's timetable from the answers and shows the result.
    void DoAutoFill(frmTableWindow& f, const AutoFillAnswers& answers);

private:
    std::unique_ptr<WizardPage> makePage(int step, WizardProgress& progress);
    std::unique_ptr<WizardPage> makeBarePage(int step, WizardProgress& progress);
    std::unique_ptr<WizardPage> roomsPage(WizardProgress& progress);
    std::unique_ptr<WizardPage> tutorsPage(WizardProgress& progress);
    // Every cell with a row, in the colours of a freshly written cell.
    void redrawCells(frmTableWindow& f);
    // The window's stored rows; nothing when they could not be read (shown).
    std::optional<TimetableSlots> storedSlots(frmTableWindow& f);
    // The other open windows show the cells the fill changed (the tutors' and rooms').
    void showInOtherWindows(frmTableWindow& f, const TimetableSlots& before);

    frmMain& m_main;
    AutoFillAnswers m_answers;
    QPointer<frmTableWindow> m_window;
};
