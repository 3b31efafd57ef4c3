#include "frmScr_CreateTT_Type.h"

#include "app/ListHelpers.h"

#include <QComboBox>
#include <QVBoxLayout>

frmScr_CreateTT_Type::frmScr_CreateTT_Type(WizardProgress& progress, NewTimetableAnswers& answers,
                                           QWidget* parent)
    : WizardPage(progress, Kind::Step, parent), m_answers(answers) {
    setObjectName(QStringLiteral("frmScr_CreateTT_Type"));
    setWindowTitle(QStringLiteral("Choose the type of timetable to create"));
    addMessage(QStringLiteral("Please select who you would like to create this timetable for."));
    body().addSpacing(8);
    addLabel(QStringLiteral("Label1"), QStringLiteral("Type of timetable:"));
    m_cboType = new QComboBox(this);
    m_cboType->setObjectName(QStringLiteral("cboType"));
    for (ViewKind kind : {ViewKind::Class, ViewKind::Tutor, ViewKind::Room})
        m_cboType->addItem(viewKindText(kind));
    SelectComboByText(*m_cboType, viewKindText(answers.kind));
    body().addWidget(m_cboType);
    body().addStretch();
}

bool frmScr_CreateTT_Type::storeAnswers() {
    m_answers.kind = viewKindFromText(m_cboType->currentText()).value_or(ViewKind::Class);
    return true;
}
