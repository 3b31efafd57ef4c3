#include "ListHelpers.h"

#include <QComboBox>
#include <QItemSelectionModel>
#include <QListWidget>

namespace {

int comboIndexOfData(const QComboBox& combo, int value) {
    for (int i = 0; i < combo.count(); ++i) {
        if (combo.itemData(i).toInt() == value)
            return i;
    }
    return -1;
}

QListWidgetItem* listItemOfData(const QListWidget& list, int value) {
    for (int i = 0; i < list.count(); ++i) {
        if (list.item(i)->data(Qt::UserRole).toInt() == value)
            return list.item(i);
    }
    return nullptr;
}

} // namespace

void SelectComboByText(QComboBox& combo, const QString& text) {
    for (int i = 0; i < combo.count(); ++i) {
        if (combo.itemText(i) == text) {
            combo.setCurrentIndex(i);
            return;
        }
    }
}

void SelectListByItemData(QComboBox& combo, int value) {
    if (const int index = comboIndexOfData(combo, value); index >= 0)
        combo.setCurrentIndex(index);
}

void SelectListByItemData(QListWidget& list, int value) {
    if (QListWidgetItem* item = listItemOfData(list, value))
        list.setCurrentItem(item);
}

QString GetListTextByItemData(const QComboBox& combo, int value) {
    const int index = comboIndexOfData(combo, value);
    return index >= 0 ? combo.itemText(index) : QString();
}

QString GetListTextByItemData(const QListWidget& list, int value) {
    const QListWidgetItem* item = listItemOfData(list, value);
    return item ? item->text() : QString();
}

int GetItemDataByText(const QComboBox& combo, const QString& text) {
    for (int i = 0; i < combo.count(); ++i) {
        if (combo.itemText(i) == text)
            return combo.itemData(i).toInt();
    }
    return -1;
}

int GetItemDataByText(const QListWidget& list, const QString& text) {
    for (int i = 0; i < list.count(); ++i) {
        if (list.item(i)->text() == text)
            return list.item(i)->data(Qt::UserRole).toInt();
    }
    return -1;
}

void MarkListItemByItemData(QListWidget& list, int value) {
    if (QListWidgetItem* item = listItemOfData(list, value))
        item->setSelected(true);
}

void RemoveListItem(QListWidget& list, QListWidgetItem* item) {
    list.selectionModel()->clearCurrentIndex();
    delete item;
    list.clearSelection();
}
