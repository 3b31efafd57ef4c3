#include "WizardWelcomePage.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

WizardWelcomePage::WizardWelcomePage(WizardProgress& progress, bool& showWelcome,
                                     const Texts& texts, QWidget* parent)
    : WizardPage(progress, Kind::Welcome, parent), m_showWelcome(showWelcome) {
    setObjectName(texts.formName);
    setWindowTitle(texts.title);
    QLabel& heading = addLabel(QStringLiteral("Label2"), texts.heading);
    QFont bold = heading.font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    heading.setFont(bold);
    body().addSpacing(8);
    addLabel(QStringLiteral("lblWelcomeMessage"), texts.message);
    body().addStretch();
    addLabel(QStringLiteral("Label1"), QStringLiteral("To continue, click Next."));
    m_chkDisplayNext =
        new QCheckBox(QStringLiteral("Display this welcome screen at startup."), this);
    m_chkDisplayNext->setObjectName(QStringLiteral("chkDisplayNext"));
    m_chkDisplayNext->setChecked(true);
    body().addWidget(m_chkDisplayNext);
}

bool WizardWelcomePage::storeAnswers() {
    // A ticked box never switches the greeting back on: that takes a new run of the program.
    if (!m_chkDisplayNext->isChecked())
        m_showWelcome = false;
    return true;
}
