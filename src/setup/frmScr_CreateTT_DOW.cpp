#include "frmScr_CreateTT_DOW.h"

#include "NewTimetablePresets.h"
#include "WizardControls.h"
#include "frmScr_CreateTT_CustomDOW.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

frmScr_CreateTT_DOW::frmScr_CreateTT_DOW(WizardProgress& progress, NewTimetableAnswers& answers,
                                         QWidget* parent)
    : WizardPage(progress, Kind::Step, parent), m_answers(answers) {
    setObjectName(QStringLiteral("frmScr_CreateTT_DOW"));
    setWindowTitle(QStringLiteral("Choose the days to include"));
    addMessage(QStringLiteral(
        "Select the days to include in the timetable or Click Custom for other options."));
    body().addSpacing(8);
    addLabel(QStringLiteral("Label1"), QStringLiteral("Include the following days:"));
    m_lstDOW = WizardControls::choiceList(QStringLiteral("lstDOW"),
                                          NewTimetablePresets::dayChoices(), answers.daysChoice,
                                          this);
    body().addWidget(m_lstDOW);
    m_cmdCustom = WizardControls::customButton(body(), this);
    body().addStretch();
    connect(m_cmdCustom, &QPushButton::clicked, this, &frmScr_CreateTT_DOW::cmdCustom_Click);
}

void frmScr_CreateTT_DOW::cmdCustom_Click() {
    frmScr_CreateTT_CustomDOW custom(progress(), m_answers, this);
    showSubPage(custom);
}

bool frmScr_CreateTT_DOW::storeAnswers() {
    m_answers.daysChoice = WizardControls::chosenRow(*m_lstDOW);
    m_answers.days = NewTimetablePresets::days(m_answers.daysChoice);
    return true;
}
