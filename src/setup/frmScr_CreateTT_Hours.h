#pragma once

#include "PresetPage.h"

class QListWidget;

// Step 6: the periods of the timetable, a preset range and length or the user's own
// boundaries (Custom...).
class frmScr_CreateTT_Hours : public PresetPage {
    Q_OBJECT
public:
    frmScr_CreateTT_Hours(WizardProgress& progress, NewTimetableAnswers& answers, QWidget* parent);

    QListWidget& lstHours() const { return *m_lstHours; }
    QListWidget& lstInc() const { return *m_lstInc; }

protected:
    bool storeAnswers() override;
    std::unique_ptr<WizardPage> makeCustomPage() override;

private:
    QListWidget* m_lstHours = nullptr;
    QListWidget* m_lstInc = nullptr;
};
