#include "frmStylePicker.h"

#include "app/ErrorReport.h"
#include "app/ModMain.h"
#include "app/StylePreview.h"
#include "app/WindowRedraws.h"
#include "app/frmMain.h"
#include "app/frmTableWindow.h"
#include "platform/LiteralText.h"
#include "platform/ModalRunner.h"
#include "platform/OkCancelButtons.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

// Room for the taller of the stored pictures, inside the frame.
constexpr QSize PreviewRoom{150, 76};

} // namespace

frmStylePicker::frmStylePicker(frmMain& main, frmTableWindow& window,
                               const QList<NamedStyle>& styles, QWidget* parent)
    : QDialog(parent), m_main(main), m_window(&window), m_styles(styles) {
    setObjectName(QStringLiteral("frmStylePicker"));
    setWindowTitle(QStringLiteral("Style Picker"));

    m_lblMessage = LiteralText::label(QStringLiteral("Choose the style of your timetable."), this);
    m_lblMessage->setObjectName(QStringLiteral("lblMessage"));
    m_lstStyle = new QListWidget(this);
    m_lstStyle->setObjectName(QStringLiteral("lstStyle"));
    m_picPreview = new QLabel(this);
    m_picPreview->setObjectName(QStringLiteral("picPreview"));
    m_picPreview->setFrameShape(QFrame::StyledPanel);
    m_picPreview->setAlignment(Qt::AlignCenter);
    m_picPreview->setFixedSize(PreviewRoom);
    const OkCancelButtons buttons = OkCancelButtons::make(*this);
    m_cmdOK = buttons.cmdOK;
    m_cmdCancel = buttons.cmdCancel;

    auto* selectLabel = LiteralText::label(QStringLiteral("Select the style:"), this);
    selectLabel->setBuddy(m_lstStyle);
    auto* layout = new QGridLayout(this);
    layout->setHorizontalSpacing(16);
    layout->addWidget(m_lblMessage, 0, 0, 1, 2);
    layout->addWidget(selectLabel, 1, 0);
    layout->addWidget(LiteralText::label(QStringLiteral("Preview:"), this), 1, 1);
    layout->addWidget(m_lstStyle, 2, 0);
    layout->addWidget(m_picPreview, 2, 1, Qt::AlignTop);
    layout->addLayout(buttons.row, 3, 0, 1, 2);
    m_lstStyle->setFixedHeight(PreviewRoom.height() + 40);

    connect(m_lstStyle, &QListWidget::currentRowChanged, this, &frmStylePicker::lstStyle_Click);
    connect(m_cmdOK, &QPushButton::clicked, this, &frmStylePicker::cmdOK_Click);
    connect(m_cmdCancel, &QPushButton::clicked, this, &frmStylePicker::cmdCancel_Click);

    Form_Load();
}

void frmStylePicker::showModal(frmMain& main) {
    frmTableWindow* window = main.activeTableWindow();
    if (!window)
        return;
    Result<QList<NamedStyle>> styles = TimetableLooks::readStyles(main.state().db());
    if (!styles) {
        reportError(QStringLiteral("The styles could not be read."), styles.error(), &main);
        return;
    }
    frmStylePicker dialog(main, *window, styles.value(), &main);
    runModal(dialog);
}

void frmStylePicker::Form_Load() {
    {
        const QSignalBlocker fromCode(m_lstStyle);
        for (const NamedStyle& style : m_styles) {
            auto* item = new QListWidgetItem(style.name, m_lstStyle);
            item->setData(Qt::UserRole, style.id);
        }
        m_lstStyle->setCurrentRow(0);
    }
    lstStyle_Click();
}

void frmStylePicker::lstStyle_Click() {
    const int position = m_lstStyle->currentRow();
    m_picPreview->setPixmap(
        position < 0 ? QPixmap() : StylePreview::picture(position, m_styles[position].look));
}

void frmStylePicker::cmdOK_Click() {
    const QListWidgetItem* chosen = m_lstStyle->currentItem();
    if (chosen && m_window) {
        Result<bool> copied = TimetableLooks::copyStyle(
            m_main.state().db(), chosen->data(Qt::UserRole).toInt(), m_window->Tag());
        if (!copied) {
            reportError(QStringLiteral("The style could not be given to the timetable."),
                        copied.error(), this);
            return;
        }
        if (copied.value())
            m_main.redraws().redrawTimetable(m_window->Tag());
    }
    accept();
}

void frmStylePicker::cmdCancel_Click() {
    reject();
}
