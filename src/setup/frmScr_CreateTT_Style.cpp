#include "frmScr_CreateTT_Style.h"

#include "app/ErrorReport.h"
#include "app/ListHelpers.h"
#include "app/StylePreview.h"
#include "platform/LiteralText.h"
#include "platform/MsgBox.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

frmScr_CreateTT_Style::frmScr_CreateTT_Style(WizardProgress& progress, NewTimetableAnswers& answers,
                                             const DBConnection& db, QWidget* parent)
    : WizardPage(progress, Kind::Step, parent), m_answers(answers) {
    setObjectName(QStringLiteral("frmScr_CreateTT_Style"));
    setWindowTitle(QStringLiteral("Choose the timetable style"));
    addMessage(QStringLiteral("Choose the style of your timetable."));
    body().addSpacing(8);

    m_lstStyle = new QListWidget(this);
    m_lstStyle->setObjectName(QStringLiteral("lstStyle"));
    m_lstStyle->setSelectionMode(QAbstractItemView::SingleSelection);
    m_picPreview = new QLabel(this);
    m_picPreview->setObjectName(QStringLiteral("picPreview"));
    m_picPreview->setAlignment(Qt::AlignCenter);
    m_picPreview->setFrameShape(QFrame::StyledPanel);
    // Room for the taller of the stored pictures, inside the frame.
    m_picPreview->setFixedSize(150, 76);
    auto* grid = new QGridLayout;
    grid->addWidget(LiteralText::label(QStringLiteral("Select the style:"), this), 0, 0);
    grid->addWidget(LiteralText::label(QStringLiteral("Preview:"), this), 0, 1);
    grid->addWidget(m_lstStyle, 1, 0);
    grid->addWidget(m_picPreview, 1, 1, Qt::AlignTop);
    body().addLayout(grid);
    body().addStretch();
    m_lstStyle->setFixedHeight(m_picPreview->height() + 40);

    connect(m_lstStyle, &QListWidget::currentRowChanged, this,
            &frmScr_CreateTT_Style::lstStyle_Click);
    fillList(db);
}

void frmScr_CreateTT_Style::fillList(const DBConnection& db) {
    Result<QList<NamedStyle>> styles = TimetableLooks::readStyles(db);
    if (!styles) {
        reportError(QStringLiteral("The timetable styles could not be read."), styles.error(),
                    this);
        return;
    }
    m_styles = styles.value();
    for (const NamedStyle& style : m_styles) {
        auto* item = new QListWidgetItem(style.name, m_lstStyle);
        item->setData(Qt::UserRole, style.id);
    }
    // An earlier choice that is no longer stored falls back to the first style.
    m_lstStyle->setCurrentRow(0);
    if (m_answers.styleId != -1)
        SelectListByItemData(*m_lstStyle, m_answers.styleId);
}

void frmScr_CreateTT_Style::lstStyle_Click() {
    const int position = m_lstStyle->currentRow();
    m_picPreview->setPixmap(
        position < 0 ? QPixmap() : StylePreview::picture(position, m_styles[position].look));
}

bool frmScr_CreateTT_Style::storeAnswers() {
    const QListWidgetItem* chosen = m_lstStyle->currentItem();
    if (!chosen) {
        // Without a style the timetable would have no look to copy: say so here, not after
        // every other page has been answered.
        MsgBox(QStringLiteral("No timetable style is stored, so no timetable can be created."),
               vb::vbCritical, this);
        return false;
    }
    m_answers.styleId = chosen->data(Qt::UserRole).toInt();
    return true;
}
