#pragma once

#include "LeftBarLayout.h"

#include <QWidget>

class ClickLabel;
class NameBox;
class QLabel;
class QTreeWidget;

// One panel of the left bar (picSep0..3): the list's title, caption, name box, the "Show ..."
// link with its arrow, and the tree, which shows only while the panel is open.
class LeftBarPanel : public QWidget {
    Q_OBJECT
public:
    LeftBarPanel(int index, const QString& title, const QString& caption, const QString& boxName,
                 QWidget* parent);

    NameBox& box() const { return *m_box; }
    QTreeWidget& tree() const { return *m_tree; }
    ClickLabel& lblShow() const { return *m_link; }
    ClickLabel& picShow() const { return *m_arrow; }

    // Places the panel and its tree as the layout says.
    void place(const LeftBarLayout::Panel& geometry);
    // The link's caption, the arrow and the tree follow the panel's state.
    void showExpanded(bool expanded);

private:
    QString m_title;
    NameBox* m_box = nullptr;
    QTreeWidget* m_tree = nullptr;
    ClickLabel* m_link = nullptr;
    ClickLabel* m_arrow = nullptr;
};
