#pragma once

#include "NewTimetableAnswers.h"
#include "WizardPage.h"

class QComboBox;

// Step 3: whether the timetable is a class's, a tutor's or a room's.
class frmScr_CreateTT_Type : public WizardPage {
    Q_OBJECT
public:
    frmScr_CreateTT_Type(WizardProgress& progress, NewTimetableAnswers& answers, QWidget* parent);

    QComboBox& cboType() const { return *m_cboType; }

protected:
    bool storeAnswers() override;

private:
    NewTimetableAnswers& m_answers;
    QComboBox* m_cboType = nullptr;
};
