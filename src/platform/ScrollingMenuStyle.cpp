#include "ScrollingMenuStyle.h"

#include <QApplication>
#include <QMenu>

ScrollingMenuStyle::ScrollingMenuStyle() : QProxyStyle(QApplication::style()->name()) {}

void ScrollingMenuStyle::applyTo(QMenu& menu) {
    auto* style = new ScrollingMenuStyle;
    style->setParent(&menu);
    menu.setStyle(style);
}

int ScrollingMenuStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                                  QStyleHintReturn* returnData) const {
    if (hint == QStyle::SH_Menu_Scrollable)
        return 1;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}
