#pragma once

#include <QProxyStyle>

class QMenu;

// A menu too tall for the screen keeps one column and scrolls, as on a desktop whose menus do:
// Qt's own styles break it into columns that run off the screen's side.
class ScrollingMenuStyle : public QProxyStyle {
    Q_OBJECT
public:
    // Over the style the application uses, so the menu looks like every other.
    ScrollingMenuStyle();

    // Gives `menu` this style, owned by the menu.
    static void applyTo(QMenu& menu);

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;
};
