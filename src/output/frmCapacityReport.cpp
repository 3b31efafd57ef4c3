#include "frmCapacityReport.h"

#include "app/ErrorReport.h"
#include "app/ModMain.h"
#include "app/frmMain.h"
#include "platform/FlexGrid.h"
#include "platform/LiteralText.h"
#include "platform/ModalRunner.h"
#include "platform/Twips.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int NameColumnTwips = 2800;
constexpr int PeriodsColumnTwips = 1500;
// One line of text per row, and room for this many rows before the list scrolls.
constexpr int LineTwips = 330;
constexpr int LinesShown = 12;

} // namespace

frmCapacityReport::frmCapacityReport(const QList<TutorPeriods>& tutors, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmCapacityReport"));
    setWindowTitle(QStringLiteral("Capacity Report"));

    m_label = LiteralText::label(QStringLiteral("Tutor Capacity Report:"), this);
    m_label->setObjectName(QStringLiteral("Label2"));
    m_grid = new FlexGrid(this);
    m_grid->setObjectName(QStringLiteral("g"));
    m_cmdCancel = new QPushButton(QStringLiteral("Close"), this);
    m_cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    m_cmdCancel->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);

    connect(m_cmdCancel, &QPushButton::clicked, this, &frmCapacityReport::cmdCancel_Click);

    Form_Load(tutors);
    m_grid->setFocus();
}

void frmCapacityReport::showModal(frmMain& main) {
    Result<QList<TutorPeriods>> tutors = TutorCapacity::read(main.state().db());
    if (!tutors) {
        reportError(QStringLiteral("The capacity report could not be made."), tutors.error(),
                    &main);
        return;
    }
    frmCapacityReport dialog(tutors.value(), &main);
    runModal(dialog);
}

void frmCapacityReport::Form_Load(const QList<TutorPeriods>& tutors) {
    FlexGrid& g = *m_grid;
    // The small dialog font of old, so the headers fit their columns.
    QFont font = g.font();
    font.setPointSizeF(8);
    g.setFont(font);
    g.setFixedCols(0);
    g.setCols(2);
    // With no tutors the header stands over one empty row.
    g.setRows(std::max(2, int(tutors.size()) + 1));
    g.setTextMatrix(0, 0, QStringLiteral("Tutor Name"));
    g.setTextMatrix(0, 1, QStringLiteral("Periods Teaching"));
    g.setColWidth(0, NameColumnTwips);
    g.setColWidth(1, PeriodsColumnTwips);
    for (int r = 0; r < g.Rows(); ++r)
        g.setRowHeight(r, LineTwips);
    for (int r = 1; r <= tutors.size(); ++r) {
        const TutorPeriods& tutor = tutors[r - 1];
        g.setTextMatrix(r, 0, tutor.name);
        g.setTextMatrix(r, 1, QString::number(tutor.periods));
        g.setRowData(r, tutor.id);
    }
    g.setRow(1);
    g.setCol(0);
    // As wide as its two columns, with room for a scroll bar.
    g.setMinimumWidth(g.fullSizePixels().width() + g.verticalScrollBar()->sizeHint().width() +
                      2 * g.frameWidth());
    g.setMinimumHeight(Twips::toPixels(LineTwips) * (LinesShown + 1) + 2 * g.frameWidth());
}

void frmCapacityReport::cmdCancel_Click() {
    reject();
}
