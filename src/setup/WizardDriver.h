#pragma once

#include "WizardPage.h"

#include <functional>
#include <memory>

// Runs a wizard: shows the page of the current step, made afresh each time, until a page
// cancels the run or the counter passes the last page.
class WizardDriver {
public:
    using PageMaker =
        std::function<std::unique_ptr<WizardPage>(int step, WizardProgress& progress)>;

    WizardDriver(int pageCount, PageMaker makePage);

    // Starts at the first page, or at the second when the welcome page is not wanted. True
    // when the user pressed Next on the last page, false when the run was cancelled.
    bool run(bool showWelcome);

    const WizardProgress& progress() const { return m_progress; }

private:
    const int m_pageCount;
    PageMaker m_makePage;
    WizardProgress m_progress;
};
