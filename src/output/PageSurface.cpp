#include "PageSurface.h"

#include <QPainter>

PageSurface::PageSurface(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Picture1"));
}

void PageSurface::resizePage(const QSize& size) {
    setFixedSize(size);
    m_page = QImage(size, QImage::Format_RGB32);
    m_page.fill(Qt::white);
    update();
}

void PageSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, m_page);
}
