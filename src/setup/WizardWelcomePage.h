#pragma once

#include "WizardPage.h"

class QCheckBox;

// The first page of a wizard: a greeting and whether to greet again. Unticking the box and
// pressing Next skips this page for the rest of the program's run.
class WizardWelcomePage : public WizardPage {
    Q_OBJECT
public:
    struct Texts {
        QString formName; // the page's objectName
        QString title;
        QString heading;
        QString message;
    };

    WizardWelcomePage(WizardProgress& progress, bool& showWelcome, const Texts& texts,
                      QWidget* parent);

    QCheckBox& chkDisplayNext() const { return *m_chkDisplayNext; }

protected:
    bool storeAnswers() override;

private:
    bool& m_showWelcome;
    QCheckBox* m_chkDisplayNext = nullptr;
};
