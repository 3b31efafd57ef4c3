#include "frmFormatTimeTable.h"

#include "app/ClickLabel.h"
#include "app/ErrorReport.h"
#include "app/ModMain.h"
#include "app/WindowRedraws.h"
#include "app/frmMain.h"
#include "app/frmTableWindow.h"
#include "data/TimetableLook.h"
#include "platform/ColorNumber.h"
#include "platform/CommonDialog.h"
#include "platform/LiteralText.h"
#include "platform/ModalRunner.h"
#include "platform/OkCancelButtons.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

const char* const ElementNames[] = {"Title", "Column Headers", "Row Headers", "Periods"};
const char* const Sizes[] = {"8", "9", "10", "11", "12", "14", "16", "24"};
constexpr int ColumnsPerElement = 3;

// Typed text is never taken: only a choice from the list is stored, and nothing is added.
QComboBox* choiceBox(QWidget* parent, const QString& name) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    return box;
}

// Shows a text in the box, on its list entry when it has one.
void showText(QComboBox& box, const QString& text) {
    box.setCurrentIndex(box.findText(text));
    box.setEditText(text);
}

QLabel* label(QWidget* parent, const QString& text, QWidget* buddy) {
    auto* shown = LiteralText::label(text, parent);
    shown->setBuddy(buddy);
    return shown;
}

} // namespace

frmFormatTimeTable::frmFormatTimeTable(frmMain& main, frmTableWindow& window, QWidget* parent)
    : QDialog(parent), m_main(main), m_window(&window) {
    setObjectName(QStringLiteral("frmFormatTimeTable"));
    setWindowTitle(QStringLiteral("Timetable Format"));

    m_lstElement = new QListWidget(this);
    m_lstElement->setObjectName(QStringLiteral("lstElement"));
    m_cboFont = choiceBox(this, QStringLiteral("cboFont"));
    m_cboFont->setMinimumContentsLength(20);
    m_cboFont->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_cboSize = choiceBox(this, QStringLiteral("cboSize"));
    m_picForegroundColour = new ClickLabel(this);
    m_picForegroundColour->setObjectName(QStringLiteral("picForegroundColour"));
    m_picForegroundColour->setFrameShape(QFrame::Box);
    m_picForegroundColour->setAutoFillBackground(true);
    m_picForegroundColour->setFixedSize(48, 22);
    const OkCancelButtons buttons = OkCancelButtons::make(*this);
    m_cmdOK = buttons.cmdOK;
    m_cmdCancel = buttons.cmdCancel;

    auto* choices = new QVBoxLayout;
    choices->addWidget(label(this, QStringLiteral("Font:"), m_cboFont));
    choices->addWidget(m_cboFont);
    choices->addWidget(label(this, QStringLiteral("Size:"), m_cboSize));
    choices->addWidget(m_cboSize, 0, Qt::AlignLeft);
    choices->addWidget(label(this, QStringLiteral("Foreground:"), m_picForegroundColour));
    choices->addWidget(m_picForegroundColour);
    choices->addStretch();
    auto* layout = new QGridLayout(this);
    layout->setHorizontalSpacing(16);
    layout->addWidget(label(this, QStringLiteral("Element:"), m_lstElement), 0, 0);
    layout->addWidget(m_lstElement, 1, 0);
    layout->addLayout(choices, 1, 1);
    layout->addLayout(buttons.row, 2, 0, 1, 2);
    m_lstElement->setFixedWidth(
        m_lstElement->fontMetrics().horizontalAdvance(QStringLiteral("Column Headers")) * 3 / 2);

    connect(m_lstElement, &QListWidget::currentRowChanged, this,
            &frmFormatTimeTable::lstElement_Click);
    connect(m_cboFont, &QComboBox::activated, this, &frmFormatTimeTable::cboFont_Click);
    connect(m_cboSize, &QComboBox::activated, this, &frmFormatTimeTable::cboSize_Click);
    connect(m_picForegroundColour, &ClickLabel::clicked, this,
            &frmFormatTimeTable::picForegroundColour_Click);
    connect(m_cmdOK, &QPushButton::clicked, this, &frmFormatTimeTable::cmdOK_Click);
    connect(m_cmdCancel, &QPushButton::clicked, this, &frmFormatTimeTable::cmdCancel_Click);
}

void frmFormatTimeTable::showModal(frmMain& main) {
    frmTableWindow* window = main.activeTableWindow();
    if (!window)
        return;
    frmFormatTimeTable dialog(main, *window, &main);
    if (dialog.Form_Load())
        runModal(dialog);
}

bool frmFormatTimeTable::Form_Load() {
    Result<std::optional<TimetableLook>> look =
        TimetableLooks::readTimetable(m_main.state().db(), m_window->Tag());
    if (!look) {
        reportError(QStringLiteral("The timetable's format could not be read."), look.error(),
                    &m_main);
        return false;
    }
    m_hasRow = look.value().has_value();
    if (!m_hasRow)
        return true;
    m_main.state().FormatEditValues = look.value()->formatValues();

    // The fonts come first: filling the box would replace the element's text shown in it.
    m_cboFont->addItems(QFontDatabase::families());
    for (const char* size : Sizes)
        m_cboSize->addItem(QString::fromLatin1(size));
    {
        const QSignalBlocker fromCode(m_lstElement);
        for (const char* name : ElementNames)
            m_lstElement->addItem(QString::fromLatin1(name));
        m_lstElement->setCurrentRow(Title);
    }
    lstElement_Click();
    return true;
}

QString* frmFormatTimeTable::selectedValue(Column column) const {
    const int element = m_lstElement->currentRow();
    if (element < 0 || element >= ElementCount)
        return nullptr;
    return &m_main.state().FormatEditValues[element * ColumnsPerElement + column];
}

void frmFormatTimeTable::setForegroundColour(const QColor& colour) {
    m_foregroundColour = colour;
    QPalette palette = m_picForegroundColour->palette();
    palette.setColor(QPalette::Window, colour);
    m_picForegroundColour->setPalette(palette);
}

void frmFormatTimeTable::lstElement_Click() {
    const QString* font = selectedValue(Font);
    if (!font)
        return;
    showText(*m_cboFont, *font);
    showText(*m_cboSize, *selectedValue(Size));
    setForegroundColour(ColorNumber::fromText(*selectedValue(Colour), Qt::black));
}

void frmFormatTimeTable::cboFont_Click(int index) {
    if (QString* font = selectedValue(Font); font && index >= 0)
        *font = m_cboFont->itemText(index);
}

void frmFormatTimeTable::cboSize_Click(int index) {
    if (QString* size = selectedValue(Size); size && index >= 0)
        *size = m_cboSize->itemText(index);
}

void frmFormatTimeTable::picForegroundColour_Click() {
    const std::optional<QColor> chosen = commonDialog().chooseColor(this, m_foregroundColour);
    if (!chosen || !chosen->isValid())
        return;
    setForegroundColour(*chosen);
    if (QString* colour = selectedValue(Colour))
        *colour = QString::number(ColorNumber::fromColor(*chosen));
}

void frmFormatTimeTable::cmdOK_Click() {
    if (m_hasRow && m_window) {
        Result<void> saved = TimetableLooks::saveFormat(m_main.state().db(), m_window->Tag(),
                                                        m_main.state().FormatEditValues);
        if (!saved) {
            reportError(QStringLiteral("The timetable's format could not be saved."), saved.error(),
                        this);
            return;
        }
        m_main.redraws().redrawTimetable(m_window->Tag());
    }
    accept();
}

void frmFormatTimeTable::cmdCancel_Click() {
    reject();
}
