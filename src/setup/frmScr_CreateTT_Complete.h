#pragma once

#include "WizardPage.h"

// Step 7: the last page; Finish builds the timetable.
class frmScr_CreateTT_Complete : public WizardPage {
    Q_OBJECT
public:
    frmScr_CreateTT_Complete(WizardProgress& progress, QWidget* parent);

protected:
    bool storeAnswers() override { return true; }
};
