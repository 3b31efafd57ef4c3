#include "frmAbout.h"

#include "ProgramLabels.h"
#include "platform/LiteralText.h"
#include "platform/ModalRunner.h"
#include "platform/MsgBox.h"
#include "platform/ProgramInfo.h"
#include "platform/Shell.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About"));

    m_picture4 = ProgramLabels::picture(this, QStringLiteral("Picture4"), "logo");
    m_picture4->setCursor(Qt::PointingHandCursor);
    m_picture4->installEventFilter(this);
    auto* description = LiteralText::label(
        QStringLiteral("The timetable system for Schools, Colleges and Universities."), this);
    description->setObjectName(QStringLiteral("lblDescription"));
    description->setWordWrap(true);
    const QString address = ProgramInfo::makerWebPage().toString();
    m_label2 =
        new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(address.toHtmlEscaped()), this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setTextFormat(Qt::RichText);
    m_label2->setOpenExternalLinks(false);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    m_cmdOK = new QPushButton(QStringLiteral("OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setDefault(true);
    m_cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    m_cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    m_cmdSysInfo->setAutoDefault(false);

    auto* texts = new QVBoxLayout;
    texts->addWidget(ProgramLabels::productName(this, 22));
    texts->addWidget(ProgramLabels::companyProduct(this, 12));
    texts->addSpacing(8);
    texts->addWidget(description);
    texts->addWidget(m_label2);
    texts->addStretch();
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_cmdOK);
    buttons->addWidget(m_cmdSysInfo);
    buttons->addStretch();

    auto* layout = new QGridLayout(this);
    layout->setHorizontalSpacing(16);
    layout->addWidget(m_picture4, 0, 0, Qt::AlignTop);
    layout->addLayout(texts, 0, 1);
    layout->addWidget(line, 1, 0, 1, 3);
    layout->addWidget(ProgramLabels::disclaimer(this), 2, 0, 1, 2);
    layout->addLayout(buttons, 2, 2);
    layout->setColumnStretch(1, 1);
    setFixedWidth(600);

    connect(m_cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cmdSysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);
    connect(m_label2, &QLabel::linkActivated, this, &frmAbout::openWebPage);
}

void frmAbout::showModal(QWidget* parent) {
    frmAbout box(parent);
    runModal(box);
}

void frmAbout::StartSysInfo() {
    MsgBox(QStringLiteral("System Information Is Unavailable At This Time"), vb::vbOKOnly, this);
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_picture4 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        openWebPage();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmAbout::openWebPage() {
    Shell::openWebPage(ProgramInfo::makerWebPage(), this);
}
