#include "LeftBarDriver.h"

#include "app/ClickLabel.h"

#include <QTest>
#include <QTreeWidget>

namespace LeftBarDriver {

void expand(TreeBars& bars, int index) {
    if (!bars.isExpanded(index))
        QTest::mouseClick(&bars.lblShow(index), Qt::LeftButton);
}

void clickItem(TreeBars& bars, int index, const QString& text) {
    expand(bars, index);
    QTreeWidget& tree = bars.treeBar(index);
    QTreeWidgetItem* item = bars.FindTreeNodeByText(index, text);
    if (!item)
        qFatal("no item %s in list %d", qPrintable(text), index);
    tree.scrollToItem(item);
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(item).center());
}

void type(TreeBars& bars, int index, const QString& keys) {
    NameBox& box = bars.nameBox(index);
    if (!box.hasFocus())
        box.setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(&box, keys);
}

void key(TreeBars& bars, int index, Qt::Key key) {
    QTest::keyClick(&bars.nameBox(index), key);
}

void leaveTo(TreeBars& bars, int, int to) {
    bars.nameBox(to).setFocus(Qt::MouseFocusReason);
}

} // namespace LeftBarDriver
