#pragma once

#include <QHash>
#include <QList>

class QTreeWidgetItem;

// The items of one tree list by their row id, each id's items in list order, so finding or
// marking the items of an id does not walk the whole list. The list only ever appends items
// or is cleared, and this follows it.
class TreeItemsById {
public:
    void clear() { m_items.clear(); }
    void add(int id, QTreeWidgetItem* item) { m_items[id].append(item); }
    // The first item with this id; null when none has it.
    QTreeWidgetItem* first(int id) const {
        const auto found = m_items.constFind(id);
        return found == m_items.constEnd() ? nullptr : found->constFirst();
    }
    QList<QTreeWidgetItem*> items(int id) const { return m_items.value(id); }

private:
    QHash<int, QList<QTreeWidgetItem*>> m_items;
};
