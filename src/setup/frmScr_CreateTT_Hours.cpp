#include "frmScr_CreateTT_Hours.h"

#include "NewTimetablePresets.h"
#include "WizardControls.h"
#include "frmScr_CreateTT_CustomHours.h"

#include <QListWidget>
#include <QVBoxLayout>

frmScr_CreateTT_Hours::frmScr_CreateTT_Hours(WizardProgress& progress, NewTimetableAnswers& answers,
                                             QWidget* parent)
    : PresetPage(progress, answers, parent) {
    setObjectName(QStringLiteral("frmScr_CreateTT_Hours"));
    setWindowTitle(QStringLiteral("Choose the hours to include"));
    addMessage(QStringLiteral("Select the hours and increments to include in the timetable. For "
                              "more options Click Custom for other options."));
    body().addSpacing(8);
    addLabel(QStringLiteral("Label1"), QStringLiteral("Include the following hours:"));
    m_lstHours = WizardControls::choiceList(
        QStringLiteral("lstHours"), NewTimetablePresets::hourChoices(), answers.hoursChoice, this);
    body().addWidget(m_lstHours);
    addLabel(QStringLiteral("Label2"), QStringLiteral("In minute increments of:"));
    m_lstInc = WizardControls::choiceList(QStringLiteral("lstInc"),
                                          NewTimetablePresets::incrementChoices(),
                                          answers.incrementChoice, this);
    body().addWidget(m_lstInc);
    addCustomButton();
}

std::unique_ptr<WizardPage> frmScr_CreateTT_Hours::makeCustomPage() {
    return std::make_unique<frmScr_CreateTT_CustomHours>(progress(), answers(), this);
}

bool frmScr_CreateTT_Hours::storeAnswers() {
    NewTimetableAnswers& chosen = answers();
    chosen.hoursChoice = WizardControls::chosenRow(*m_lstHours);
    chosen.incrementChoice = WizardControls::chosenRow(*m_lstInc);
    chosen.times = NewTimetablePresets::boundaries(chosen.hoursChoice, chosen.incrementChoice);
    return true;
}
