#include "frmSplash.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

frmSplash::frmSplash(QWidget* parent) : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Periwell"));
    auto* frame = new QLabel(QStringLiteral("<h1>Quorvane Periwell</h1><p>Timetables for schools, "
                                            "colleges and universities</p><p>Loading…</p>"),
                             this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setAlignment(Qt::AlignCenter);
    frame->setFrameShape(QFrame::Box);
    frame->setMargin(24);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);

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

void frmSplash::keyPressEvent(QKeyEvent*) {
    accept();
}

void frmSplash::mousePressEvent(QMouseEvent*) {
    accept();
}
