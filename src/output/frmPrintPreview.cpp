#include "frmPrintPreview.h"

#include "PageSurface.h"
#include "PrintCommands.h"
#include "PrintKit.h"
#include "platform/FlexGrid.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

frmPrintPreview::frmPrintPreview(PrintCommands& commands, const FlexGrid& grid, QWidget* parent)
    : QDialog(parent), m_commands(commands) {
    setObjectName(QStringLiteral("frmPrintPreview"));
    setWindowTitle(QStringLiteral("Print Preview"));
    m_page = new PageSurface(this);
    m_page->resizePage(surfaceSize());
    m_cmdOK = new QPushButton(QStringLiteral("&Print"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdSetup = new QPushButton(QStringLiteral("Print &Setup"), this);
    m_cmdSetup->setObjectName(QStringLiteral("cmdSetup"));
    m_cmdCancel = new QPushButton(QStringLiteral("Close"), this);
    m_cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_cmdOK);
    buttons->addWidget(m_cmdSetup);
    buttons->addWidget(m_cmdCancel);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_page, 0, Qt::AlignTop);
    layout->addLayout(buttons);

    connect(m_cmdOK, &QPushButton::clicked, &m_commands, &PrintCommands::DoPrint);
    connect(m_cmdSetup, &QPushButton::clicked, &m_commands, &PrintCommands::DoPageSetup);
    connect(m_cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    drawPage(grid);
}

QSize frmPrintPreview::surfaceSize() {
    return {480, 560};
}

void frmPrintPreview::drawPage(const FlexGrid& grid) {
    const QSizeF paper = PrintCommands::paperInches(m_commands.printer());
    PrintKit kit(m_commands.printer());
    kit.BeginPrintPage(m_page, false, paper.width(), paper.height());
    kit.PrintBox(1, 1, 6.5, 9);
    kit.PrintLine(1.1, 2, 7.4, 2);
    kit.PrintPictureBox(grid.picture(), 1.1, 1.1, 0.8, 0.8);
    // Over the rest, the grid where and as the print puts it.
    kit.PrintGrid(grid);
    kit.EndPrintPage();
}
