#include "CustomListPage.h"

#include "WizardControls.h"
#include "app/ListHelpers.h"
#include "platform/MsgBox.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CustomListPage::CustomListPage(WizardProgress& progress, const Texts& texts, QWidget* parent)
    : WizardPage(progress, Kind::SubPage, parent), m_texts(texts) {
    setObjectName(texts.formName);
    setWindowTitle(texts.title);
    addMessage(texts.message);
    body().addSpacing(8);
    addLabel(QStringLiteral("Label1"), texts.addCaption);
    m_cmdAdd = WizardControls::listButton(QStringLiteral("cmdAdd"), QStringLiteral("&Add"), this);
    m_entryRow = new QHBoxLayout;
    m_entryRow->addWidget(m_cmdAdd);
    body().addLayout(m_entryRow);
    body().addSpacing(8);
    addLabel(QStringLiteral("Label2"), texts.listCaption);
    m_list = new QListWidget(this);
    m_list->setObjectName(texts.listName);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_cmdRemove =
        WizardControls::listButton(QStringLiteral("cmdRemove"), QStringLiteral("&Remove"), this);
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(m_list, 1);
    listRow->addWidget(m_cmdRemove, 0, Qt::AlignTop);
    body().addLayout(listRow, 1);

    connect(m_cmdAdd, &QPushButton::clicked, this, &CustomListPage::cmdAdd_Click);
    connect(m_cmdRemove, &QPushButton::clicked, this, &CustomListPage::cmdRemove_Click);
}

void CustomListPage::setInput(QWidget* input) {
    m_input = input;
    m_entryRow->insertWidget(0, input, 1);
    setTabOrder(input, m_cmdAdd);
}

void CustomListPage::cmdAdd_Click() {
    if (const std::optional<QString> entry = takeEntry())
        m_list->addItem(*entry);
    m_input->setFocus();
}

void CustomListPage::cmdRemove_Click() {
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty()) {
        MsgBox(m_texts.noSelection, vb::vbCritical, this);
        m_list->setFocus();
        return;
    }
    RemoveListItem(*m_list, selected.first());
}

bool CustomListPage::storeAnswers() {
    if (m_list->count() < m_texts.minimum) {
        MsgBox(m_texts.tooFew, vb::vbCritical, this);
        m_input->setFocus();
        return false;
    }
    QStringList entries;
    for (int row = 0; row < m_list->count(); ++row)
        entries << m_list->item(row)->text();
    storeEntries(entries);
    return true;
}
