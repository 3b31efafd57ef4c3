#include "NewTimetableWizard.h"

#include "WizardDriver.h"
#include "WizardWelcomePage.h"
#include "app/ModMain.h"
#include "frmScr_CreateTT_Complete.h"
#include "frmScr_CreateTT_DOW.h"
#include "frmScr_CreateTT_Hours.h"
#include "frmScr_CreateTT_Style.h"
#include "frmScr_CreateTT_Type.h"
#include "frmScr_CreateTT_Who.h"

namespace NewTimetableWizard {

bool run(ModMain& state, NewTimetableAnswers& answers, QWidget* parent) {
    answers = NewTimetableAnswers{};
    WizardDriver driver(
        PageCount, [&](int step, WizardProgress& progress) -> std::unique_ptr<WizardPage> {
            switch (step) {
            case 1:
                return std::make_unique<WizardWelcomePage>(
                    progress, state.CreateTTShowWelcome,
                    WizardWelcomePage::Texts{
                        QStringLiteral("frmScr_CreateTT_Welcome"),
                        QStringLiteral("Create Timetable Wizard"),
                        QStringLiteral("Welcome to the Timetable Creation Wizard"),
                        QStringLiteral("Using this wizard you can create a new timetable.")},
                    parent);
            case 2:
                return std::make_unique<frmScr_CreateTT_Style>(progress, answers, state.db(),
                                                               parent);
            case 3:
                return std::make_unique<frmScr_CreateTT_Type>(progress, answers, parent);
            case 4:
                return std::make_unique<frmScr_CreateTT_Who>(progress, answers, state.db(), parent);
            case 5:
                return std::make_unique<frmScr_CreateTT_DOW>(progress, answers, parent);
            case 6:
                return std::make_unique<frmScr_CreateTT_Hours>(progress, answers, parent);
            case 7:
                return std::make_unique<frmScr_CreateTT_Complete>(progress, parent);
            default:
                return nullptr;
            }
        });
    return driver.run(state.CreateTTShowWelcome);
}

} // namespace NewTimetableWizard
