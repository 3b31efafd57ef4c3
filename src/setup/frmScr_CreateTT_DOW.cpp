#include "frmScr_CreateTT_DOW.h"

#include "NewTimetablePresets.h"
#include "WizardControls.h"
#include "frmScr_CreateTT_CustomDOW.h"

#include <QListWidget>
#include <QVBoxLayout>

frmScr_CreateTT_DOW::frmScr_CreateTT_DOW(WizardProgress& progress, NewTimetableAnswers& answers,
                                         QWidget* parent)
    : PresetPage(progress, answers, parent) {
    setObjectName(QStringLiteral("frmScr_CreateTT_DOW"));
    setWindowTitle(QStringLiteral("Choose the days to include"));
    addMessage(QStringLiteral(
        "Select the days to include in the timetable or Click Custom for other options."));
    body().addSpacing(8);
    addLabel(QStringLiteral("Label1"), QStringLiteral("Include the following days:"));
    m_lstDOW = WizardControls::choiceList(
        QStringLiteral("lstDOW"), NewTimetablePresets::dayChoices(), answers.daysChoice, this);
    body().addWidget(m_lstDOW);
    addCustomButton();
}

std::unique_ptr<WizardPage> frmScr_CreateTT_DOW::makeCustomPage() {
    return std::make_unique<frmScr_CreateTT_CustomDOW>(progress(), answers(), this);
}

bool frmScr_CreateTT_DOW::storeAnswers() {
    answers().daysChoice = WizardControls::chosenRow(*m_lstDOW);
    answers().days = NewTimetablePresets::days(answers().daysChoice);
    return true;
}
