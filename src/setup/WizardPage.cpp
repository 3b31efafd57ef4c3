#include "WizardPage.h"

#include "platform/LiteralText.h"
#include "platform/ModalRunner.h"
#include "platform/Resources.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

WizardPage::WizardPage(WizardProgress& progress, Kind kind, QWidget* parent)
    : QDialog(parent), m_progress(progress), m_kind(kind) {
    // Every page of a wizard opens at the same size, so Next and Back stay under the mouse.
    setMinimumSize(520, 330);
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setPixmap(Resources::picture(QStringLiteral("logo")));
    picture->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    m_body = new QVBoxLayout(frame);
    m_body->setContentsMargins(0, 0, 0, 0);

    m_cmdBack = new QPushButton(QStringLiteral("&Back"), this);
    m_cmdBack->setObjectName(QStringLiteral("cmdBack"));
    m_cmdNext = new QPushButton(
        kind == Kind::Last ? QStringLiteral("&Finish") : QStringLiteral("&Next"), this);
    m_cmdNext->setObjectName(QStringLiteral("cmdNext"));
    m_cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    m_cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    for (QPushButton* button : {m_cmdBack, m_cmdNext, m_cmdCancel})
        button->setAutoDefault(false);
    if (kind != Kind::SubPage)
        m_cmdNext->setDefault(true);
    // The first page has nowhere to go back to.
    m_cmdBack->setEnabled(kind != Kind::Welcome);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addSpacing(12);
    top->addWidget(frame, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdBack);
    buttons->addWidget(m_cmdNext);
    buttons->addSpacing(8);
    buttons->addWidget(m_cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(line);
    layout->addLayout(buttons);

    connect(m_cmdNext, &QPushButton::clicked, this, &WizardPage::cmdNext_Click);
    connect(m_cmdBack, &QPushButton::clicked, this, &WizardPage::cmdBack_Click);
    connect(m_cmdCancel, &QPushButton::clicked, this, &WizardPage::cmdCancel_Click);
}

void WizardPage::cmdNext_Click() {
    if (!storeAnswers())
        return;
    ++m_progress.step;
    accept();
}

void WizardPage::cmdBack_Click() {
    if (m_kind == Kind::Welcome)
        return;
    if (m_kind != Kind::SubPage)
        --m_progress.step;
    reject();
}

void WizardPage::cmdCancel_Click() {
    if (m_kind != Kind::SubPage)
        m_progress.cancelled = true;
    reject();
}

void WizardPage::showSubPage(WizardPage& subPage) {
    const int before = m_progress.step;
    runModal(subPage);
    if (m_progress.step != before)
        accept();
}

QLabel& WizardPage::addLabel(const QString& name, const QString& text) {
    auto* label = LiteralText::label(text, this);
    label->setObjectName(name);
    label->setWordWrap(true);
    m_body->addWidget(label);
    return *label;
}

void WizardPage::keyPressEvent(QKeyEvent* event) {
    // A dialog closes on Escape by default; here the driver would only show the page again,
    // emptied of what the user had entered.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
