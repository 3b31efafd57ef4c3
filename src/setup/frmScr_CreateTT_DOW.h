#pragma once

#include "PresetPage.h"

class QListWidget;

// Step 5: the days of the timetable, a preset list or the user's own (Custom...).
class frmScr_CreateTT_DOW : public PresetPage {
    Q_OBJECT
public:
    frmScr_CreateTT_DOW(WizardProgress& progress, NewTimetableAnswers& answers, QWidget* parent);

    QListWidget& lstDOW() const { return *m_lstDOW; }

protected:
    bool storeAnswers() override;
    std::unique_ptr<WizardPage> makeCustomPage() override;

private:
    QListWidget* m_lstDOW = nullptr;
};
