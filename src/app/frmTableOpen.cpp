#include "frmTableOpen.h"

#include "ErrorReport.h"
#include "ModMain.h"
#include "data/StoredTimetables.h"
#include "frmMain.h"
#include "frmTableWindow.h"
#include "platform/FlexAlignment.h"
#include "platform/FlexGrid.h"
#include "platform/LiteralText.h"
#include "platform/ModalRunner.h"
#include "platform/OkCancelButtons.h"
#include "platform/Twips.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

constexpr int NameColumnTwips = 2800;
constexpr int KindColumnTwips = 1500;
// A list line of one line of text, and room for this many of them before it scrolls.
constexpr int LineTwips = 330;
constexpr int LinesShown = 10;

} // namespace

frmTableOpen::frmTableOpen(frmMain& main) : QDialog(&main), m_main(main) {
    setObjectName(QStringLiteral("frmTableOpen"));
    setWindowTitle(QStringLiteral("Open Timetable"));

    m_label = LiteralText::label(QStringLiteral("Select the timetable to open:"), this);
    m_label->setObjectName(QStringLiteral("Label2"));
    m_grid = new FlexGrid(this);
    m_grid->setObjectName(QStringLiteral("g"));
    const OkCancelButtons buttons = OkCancelButtons::make(*this, QStringLiteral("Open"));
    m_cmdOK = buttons.cmdOK;
    m_cmdCancel = buttons.cmdCancel;
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons.row);

    connect(m_cmdOK, &QPushButton::clicked, this, &frmTableOpen::cmdOK_Click);
    connect(m_cmdCancel, &QPushButton::clicked, this, &frmTableOpen::cmdCancel_Click);
    connect(m_grid, &FlexGrid::DblClick, this, &frmTableOpen::cmdOK_Click);

    Form_Load();
    m_grid->setFocus();
}

void frmTableOpen::showModal(frmMain& main) {
    frmTableOpen dialog(main);
    runModal(dialog);
}

void frmTableOpen::Form_Load() {
    FlexGrid& g = *m_grid;
    g.setFixedCols(0);
    g.setCols(2);
    g.setRows(2);
    g.setTextMatrix(0, 0, QStringLiteral("Time Table"));
    g.setTextMatrix(0, 1, QStringLiteral("Description"));
    g.setColWidth(0, NameColumnTwips);
    g.setColWidth(1, KindColumnTwips);
    g.setRowHeight(0, LineTwips);
    g.setRowHeight(1, LineTwips);
    // The list is as wide as its two columns, with room for a scroll bar.
    g.setMinimumWidth(g.fullSizePixels().width() + g.verticalScrollBar()->sizeHint().width() +
                      2 * g.frameWidth());
    g.setMinimumHeight(Twips::toPixels(LineTwips) * (LinesShown + 1) + 2 * g.frameWidth());

    Result<QList<StoredTimetable>> stored = StoredTimetables::list(m_main.state().db());
    if (!stored)
        reportError(QStringLiteral("The list of timetables could not be read."), stored.error(),
                    this);
    const QList<StoredTimetable> timetables = stored ? stored.value() : QList<StoredTimetable>();

    // Empty, the list keeps one blank row and takes no Open, Enter or double-click.
    g.setEnabled(!timetables.isEmpty());
    m_cmdOK->setEnabled(!timetables.isEmpty());
    if (timetables.isEmpty())
        return;
    g.setRows(timetables.size() + 1);
    for (int r = 1; r <= timetables.size(); ++r) {
        const StoredTimetable& timetable = timetables[r - 1];
        g.setRowHeight(r, LineTwips);
        g.setTextMatrix(r, 0, timetable.ownerName);
        g.setTextMatrix(r, 1, timetable.viewBy);
        g.setRowData(r, timetable.id);
        g.setRow(r);
        g.setCol(0);
        g.setCellAlignment(flexAlignLeftCenter);
    }
    // The first timetable is highlighted across both columns.
    g.setRow(1);
    g.setCol(0);
    g.setColSel(1);
}

void frmTableOpen::cmdOK_Click() {
    if (!m_cmdOK->isEnabled())
        return;
    const int timetableId = m_grid->RowData(m_grid->Row());
    frmTableWindow* window = m_main.LoadTable(timetableId);
    if (window)
        m_main.RefreshTable(*window);
    accept();
    if (!window)
        return;
    m_main.showTableWindow(*window);
    m_main.mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(window->parentWidget()));
}

void frmTableOpen::cmdCancel_Click() {
    reject();
}
