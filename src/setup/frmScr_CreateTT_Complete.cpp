#include "frmScr_CreateTT_Complete.h"

#include <QVBoxLayout>

frmScr_CreateTT_Complete::frmScr_CreateTT_Complete(WizardProgress& progress, QWidget* parent)
    : WizardPage(progress, Kind::Last, parent) {
    setObjectName(QStringLiteral("frmScr_CreateTT_Complete"));
    setWindowTitle(QStringLiteral("Finished"));
    addMessage(QStringLiteral("Click Finish to create your timetable."));
    body().addStretch();
}
