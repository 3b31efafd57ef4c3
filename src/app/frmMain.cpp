#include "frmMain.h"

#include "ModMain.h"

#include <QMdiArea>

frmMain::frmMain(ModMain& state, QWidget* parent) : QMainWindow(parent), m_state(state) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Quorvane Periwell"));
    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(m_mdiArea);
    resize(1100, 750);
}
