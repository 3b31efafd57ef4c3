#include "PresetPage.h"

#include "WizardControls.h"

#include <QPushButton>
#include <QVBoxLayout>

PresetPage::PresetPage(WizardProgress& progress, NewTimetableAnswers& answers, QWidget* parent)
    : WizardPage(progress, Kind::Step, parent), m_answers(answers) {}

void PresetPage::addCustomButton() {
    m_cmdCustom =
        WizardControls::listButton(QStringLiteral("cmdCustom"), QStringLiteral("Custom..."), this);
    body().addWidget(m_cmdCustom, 0, Qt::AlignRight);
    body().addStretch();
    connect(m_cmdCustom, &QPushButton::clicked, this, &PresetPage::cmdCustom_Click);
}

void PresetPage::cmdCustom_Click() {
    const std::unique_ptr<WizardPage> custom = makeCustomPage();
    showSubPage(*custom);
}
