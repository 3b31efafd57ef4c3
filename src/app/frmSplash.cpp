#include "frmSplash.h"

#include "ProgramLabels.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

frmSplash::frmSplash(QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Periwell"));
    buildFrame();

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(1500);
    m_timer1->setSingleShot(true);
    connect(m_timer1, &QTimer::timeout, this, &QDialog::accept);
    m_timer2 = new QTimer(this);
    m_timer2->setObjectName(QStringLiteral("Timer2"));
    m_timer2->setInterval(200);
    connect(m_timer2, &QTimer::timeout, this, &frmSplash::loadMainRequested);
    m_timer1->start();
    m_timer2->start();
}

// Logo and names at the top, the timetable picture beside them, the company's mark and the
// legal notice below. A click anywhere in the frame reaches mousePressEvent.
void frmSplash::buildFrame() {
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::Box);
    frame->setBackgroundRole(QPalette::Base);
    frame->setAutoFillBackground(true);

    auto* names = new QVBoxLayout;
    names->addStretch();
    names->addWidget(ProgramLabels::companyProduct(frame, 16));
    names->addWidget(ProgramLabels::productName(frame, 32));
    names->addStretch();

    auto* disclaimer = ProgramLabels::disclaimer(frame);
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(24, 24, 24, 18);
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(18);
    grid->addWidget(ProgramLabels::picture(frame, QStringLiteral("Picture1"), "logo"), 0, 0);
    grid->addLayout(names, 0, 1);
    grid->addWidget(ProgramLabels::picture(frame, QStringLiteral("Picture2"), "timetable"), 0, 2);
    grid->addWidget(ProgramLabels::picture(frame, QStringLiteral("Picture3"), "quorvane"), 1, 0,
                    Qt::AlignTop);
    grid->addWidget(disclaimer, 1, 1, 1, 2);
    grid->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);
    setFixedWidth(720);
}

void frmSplash::keyPressEvent(QKeyEvent*) {
    accept();
}

void frmSplash::mousePressEvent(QMouseEvent*) {
    accept();
}
