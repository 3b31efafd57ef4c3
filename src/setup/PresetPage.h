#pragma once

#include "NewTimetableAnswers.h"
#include "WizardPage.h"

#include <memory>

class QPushButton;

// A page of preset choices with "Custom..." under them, which opens a sub-page for entries of
// the user's own; when that sub-page's Next takes them, this page closes too.
class PresetPage : public WizardPage {
    Q_OBJECT
public:
    QPushButton& cmdCustom() const { return *m_cmdCustom; }
    void cmdCustom_Click();

protected:
    PresetPage(WizardProgress& progress, NewTimetableAnswers& answers, QWidget* parent);

    // Puts "Custom..." at the right under the lists added so far.
    void addCustomButton();
    virtual std::unique_ptr<WizardPage> makeCustomPage() = 0;

    NewTimetableAnswers& answers() const { return m_answers; }

private:
    NewTimetableAnswers& m_answers;
    QPushButton* m_cmdCustom = nullptr;
};
