#include "frmTip.h"

#include "TipSettings.h"
#include "TipsFile.h"
#include "platform/LiteralText.h"
#include "platform/ModalRunner.h"
#include "platform/ProgramInfo.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString TipsFileName = QStringLiteral("TipOfTheDay.txt");

QString missingFileText() {
    return QStringLiteral("That the ") + TipsFileName + QStringLiteral(" file was not found? ") +
           QStringLiteral("\r\n\r\n") + QStringLiteral("Create a text file named ") + TipsFileName +
           QStringLiteral(" using NotePad with 1 tip per line. ") +
           QStringLiteral("Then place it in the same directory as the application. ");
}

} // namespace

frmTip::frmTip(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmTip"));
    setWindowTitle(QStringLiteral("Tip of the Day"));

    m_label1 = LiteralText::label(QStringLiteral("Did you know..."), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    QFont heading(QStringLiteral("Times New Roman"));
    heading.setPointSizeF(font().pointSizeF() * 1.6);
    heading.setBold(true);
    m_label1->setFont(heading);
    m_lblTipText = LiteralText::label(QString(), this);
    m_lblTipText->setObjectName(QStringLiteral("lblTipText"));
    m_lblTipText->setWordWrap(true);
    m_lblTipText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lblTipText->setMinimumSize(320, 110);

    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setBackgroundRole(QPalette::Base);
    panel->setAutoFillBackground(true);
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->addWidget(m_label1);
    panelLayout->addWidget(m_lblTipText, 1);

    m_chkLoadTipsAtStartup = new QCheckBox(QStringLiteral("&Show Tips at Startup"), this);
    m_chkLoadTipsAtStartup->setObjectName(QStringLiteral("chkLoadTipsAtStartup"));
    m_cmdNextTip = new QPushButton(QStringLiteral("&Next Tip"), this);
    m_cmdNextTip->setObjectName(QStringLiteral("cmdNextTip"));
    m_cmdNextTip->setAutoDefault(false);
    m_cmdOK = new QPushButton(QStringLiteral("OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setDefault(true);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_cmdOK);
    buttons->addWidget(m_cmdNextTip);
    buttons->addStretch();
    auto* layout = new QGridLayout(this);
    layout->addWidget(panel, 0, 0);
    layout->addLayout(buttons, 0, 1);
    layout->addWidget(m_chkLoadTipsAtStartup, 1, 0);

    connect(m_cmdNextTip, &QPushButton::clicked, this, &frmTip::ShowNextTip);
    connect(m_cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    // Only the user's click stores the box: loading it never switches tips on by itself.
    connect(m_chkLoadTipsAtStartup, &QCheckBox::clicked, this, &frmTip::chkLoadTipsAtStartup_Click);

    Form_Load();
}

void frmTip::showModal(QWidget* parent) {
    frmTip dialog(parent);
    runModal(dialog);
}

void frmTip::Form_Load() {
    const bool showAtStartup = TipSettings::showAtStartup();
    m_chkLoadTipsAtStartup->setChecked(showAtStartup);
    if (showAtStartup)
        TipSettings::setShowAtStartup(true); // what ticking the box stores
    m_currentTip = TipSettings::currentTip();
    if (!LoadTips(ProgramInfo::filePath(TipsFileName)))
        m_lblTipText->setText(missingFileText());
}

bool frmTip::LoadTips(const QString& sFile) {
    std::optional<QStringList> tips = TipsFile::read(sFile);
    if (!tips)
        return false;
    m_tips = *tips;
    ShowNextTip();
    return true;
}

void frmTip::ShowNextTip() {
    // A number that is no tip of this file (a stored one that the file has outgrown, say)
    // starts again at the first.
    const bool onATip = m_currentTip >= 1 && m_currentTip < m_tips.size();
    m_currentTip = onATip ? m_currentTip + 1 : 1;
    TipSettings::setCurrentTip(m_currentTip);
    DisplayCurrentTip();
}

void frmTip::DisplayCurrentTip() {
    if (m_currentTip >= 1 && m_currentTip <= m_tips.size())
        m_lblTipText->setText(m_tips.at(m_currentTip - 1));
}

void frmTip::chkLoadTipsAtStartup_Click() {
    TipSettings::setShowAtStartup(m_chkLoadTipsAtStartup->isChecked());
}
