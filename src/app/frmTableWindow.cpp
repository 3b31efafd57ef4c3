#include "frmTableWindow.h"

#include "platform/FlexGrid.h"

#include <QLabel>
#include <QVBoxLayout>

frmTableWindow::frmTableWindow(int timetableId, QWidget* parent) : QWidget(parent), m_tag(timetableId) {
    setObjectName(QStringLiteral("frmTableWindow"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* b = new QWidget(this);
    b->setObjectName(QStringLiteral("b"));
    m_title = new QLabel(b);
    m_title->setObjectName(QStringLiteral("lblTitle"));
    m_title->setAlignment(Qt::AlignCenter);
    m_grid = new FlexGrid(b);
    m_grid->setObjectName(QStringLiteral("g"));

    auto* inner = new QVBoxLayout(b);
    inner->setContentsMargins(2, 2, 2, 2);
    inner->setSpacing(2);
    inner->addWidget(m_title);
    inner->addWidget(m_grid, 1);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(b);
    resize(760, 460);
}
