#pragma once

#include "NewTimetableAnswers.h"
#include "WizardPage.h"

class QListWidget;
class QPushButton;

// Step 6: the periods of the timetable, a preset range and length or the user's own
// boundaries (Custom...).
class frmScr_CreateTT_Hours : public WizardPage {
    Q_OBJECT
public:
    frmScr_CreateTT_Hours(WizardProgress& progress, NewTimetableAnswers& answers, QWidget* parent);

    QListWidget& lstHours() const { return *m_lstHours; }
    QListWidget& lstInc() const { return *m_lstInc; }
    QPushButton& cmdCustom() const { return *m_cmdCustom; }

    void cmdCustom_Click();

protected:
    bool storeAnswers() override;

private:
    NewTimetableAnswers& m_answers;
    QListWidget* m_lstHours = nullptr;
    QListWidget* m_lstInc = nullptr;
    QPushButton* m_cmdCustom = nullptr;
};
