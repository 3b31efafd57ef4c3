#pragma once

#include "NewTimetableAnswers.h"
#include "WizardPage.h"

class QListWidget;
class QPushButton;

// Step 5: the days of the timetable, a preset list or the user's own (Custom...).
class frmScr_CreateTT_DOW : public WizardPage {
    Q_OBJECT
public:
    frmScr_CreateTT_DOW(WizardProgress& progress, NewTimetableAnswers& answers, QWidget* parent);

    QListWidget& lstDOW() const { return *m_lstDOW; }
    QPushButton& cmdCustom() const { return *m_cmdCustom; }

    void cmdCustom_Click();

protected:
    bool storeAnswers() override;

private:
    NewTimetableAnswers& m_answers;
    QListWidget* m_lstDOW = nullptr;
    QPushButton* m_cmdCustom = nullptr;
};
