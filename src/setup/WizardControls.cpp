#include "WizardControls.h"

#include <QListWidget>
#include <QPushButton>

namespace WizardControls {

QListWidget* choiceList(const QString& name, const QStringList& items, int chosen,
                        QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->addItems(items);
    list->setCurrentRow(chosen >= 0 && chosen < items.size() ? chosen : 0);
    // Tall enough for its few items and no taller, so the page keeps its size.
    list->setFixedHeight(list->sizeHintForRow(0) * int(items.size()) + 2 * list->frameWidth() + 4);
    return list;
}

int chosenRow(const QListWidget& list) {
    const QList<QListWidgetItem*> selected = list.selectedItems();
    return selected.isEmpty() ? 0 : list.row(selected.first());
}

QPushButton* listButton(const QString& name, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace WizardControls
