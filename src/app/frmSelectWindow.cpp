#include "frmSelectWindow.h"

#include "platform/LiteralText.h"
#include "platform/ModalRunner.h"
#include "platform/OkCancelButtons.h"

#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

frmSelectWindow::frmSelectWindow(const QList<QMdiSubWindow*>& windows, QMdiSubWindow* current,
                                 QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmSelectWindow"));
    setWindowTitle(QStringLiteral("Select Window"));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lstWindows"));
    m_list->setUniformItemSizes(true); // hundreds of windows lay out at once
    for (QMdiSubWindow* window : windows) {
        m_windows << window;
        m_list->addItem(LiteralText::oneLine(LiteralText::windowTitle(*window)));
    }
    m_list->setCurrentRow(int(windows.indexOf(current)));
    const OkCancelButtons buttons = OkCancelButtons::make(*this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons.row);
    resize(360, 320);

    connect(buttons.cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(buttons.cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

QMdiSubWindow* frmSelectWindow::choose(const QList<QMdiSubWindow*>& windows, QMdiSubWindow* current,
                                       QWidget* parent) {
    frmSelectWindow dialog(windows, current, parent);
    if (runModal(dialog) != QDialog::Accepted)
        return nullptr;
    return dialog.chosen();
}

QMdiSubWindow* frmSelectWindow::chosen() const {
    const int row = m_list->currentRow();
    return row >= 0 && row < m_windows.size() ? m_windows[row].data() : nullptr;
}
