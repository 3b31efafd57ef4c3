#include "frmScr_CreateTT_Hours.h"

#include "NewTimetablePresets.h"
#include "WizardControls.h"
#include "frmScr_CreateTT_CustomHours.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

frmScr_CreateTT_Hours::frmScr_CreateTT_Hours(WizardProgress& progress,
                                             NewTimetableAnswers& answers, QWidget* parent)
    : WizardPage(progress, Kind::Step, parent), m_answers(answers) {
    setObjectName(QStringLiteral("frmScr_CreateTT_Hours"));
    setWindowTitle(QStringLiteral("Choose the hours to include"));
    addMessage(QStringLiteral("Select the hours and increments to include in the timetable. For "
                              "more options Click Custom for other options."));
    body().addSpacing(8);
    addLabel(QStringLiteral("Label1"), QStringLiteral("Include the following hours:"));
    m_lstHours = WizardControls::choiceList(QStringLiteral("lstHours"),
                                            NewTimetablePresets::hourChoices(),
                                            answers.hoursChoice, this);
    body().addWidget(m_lstHours);
    addLabel(QStringLiteral("Label2"), QStringLiteral("In minute increments of:"));
    m_lstInc = WizardControls::choiceList(QStringLiteral("lstInc"),
                                          NewTimetablePresets::incrementChoices(),
                                          answers.incrementChoice, this);
    body().addWidget(m_lstInc);
    m_cmdCustom = WizardControls::customButton(body(), this);
    body().addStretch();
    connect(m_cmdCustom, &QPushButton::clicked, this, &frmScr_CreateTT_Hours::cmdCustom_Click);
}

void frmScr_CreateTT_Hours::cmdCustom_Click() {
    frmScr_CreateTT_CustomHours custom(progress(), m_answers, this);
    showSubPage(custom);
}

bool frmScr_CreateTT_Hours::storeAnswers() {
    m_answers.hoursChoice = WizardControls::chosenRow(*m_lstHours);
    m_answers.incrementChoice = WizardControls::chosenRow(*m_lstInc);
    m_answers.times =
        NewTimetablePresets::boundaries(m_answers.hoursChoice, m_answers.incrementChoice);
    return true;
}
