#pragma once

#include <QString>

class QComboBox;
class QListWidget;
class QListWidgetItem;

// Finding and selecting items of list and combo boxes by their text (exactly, case counts) or by
// the row id each item stores (Qt::UserRole). Each walks from the first item and takes the first
// match; a list without a match is left as it was.
void SelectComboByText(QComboBox& combo, const QString& text);
void SelectListByItemData(QComboBox& combo, int value);
void SelectListByItemData(QListWidget& list, int value);
QString GetListTextByItemData(const QComboBox& combo, int value);
QString GetListTextByItemData(const QListWidget& list, int value);
// -1 when no item has the text.
int GetItemDataByText(const QComboBox& combo, const QString& text);
int GetItemDataByText(const QListWidget& list, const QString& text);
// Ticks (selects, in a multi-select list) the first item with the id; the others keep their state.
void MarkListItemByItemData(QListWidget& list, int value);
// Takes the item out of its list and leaves no row chosen. Qt would choose the next row, and a
// second Remove would then take that one too, unasked.
void RemoveListItem(QListWidget& list, QListWidgetItem* item);
