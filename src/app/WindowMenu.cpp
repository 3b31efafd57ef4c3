#include "WindowMenu.h"

#include "MainMenus.h"
#include "TreeBars.h"
#include "frmMain.h"
#include "frmSelectWindow.h"
#include "platform/LiteralText.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QShortcut>

WindowMenu::WindowMenu(frmMain& main)
    : QObject(&main), m_area(*main.mdiArea()), m_menu(*main.menus().menu("mnuWindow")) {
    const MainMenus& menus = main.menus();
    menus.connectItem("mnuWindowTileH", this, &WindowMenu::tileHorizontally);
    menus.connectItem("mnuWindowTileV", this, &WindowMenu::tileVertically);
    menus.connectItem("mnuWindowCascade", this, &WindowMenu::cascade);
    menus.connectItem("mnuWindowArrangeIcons", this, &WindowMenu::arrangeIcons);
    connect(&m_menu, &QMenu::aboutToShow, this, &WindowMenu::fillWindowList);
    takeNextWindowKeysIn(main.picLeftBar());
}

void WindowMenu::takeNextWindowKeysIn(QWidget& bar) {
    // The workspace hears its next-window key only while the focus is inside it; the focus
    // mostly sits in the left bar's lists and name boxes while the user edits a cell.
    auto* next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), &bar, nullptr, nullptr,
                               Qt::WidgetWithChildrenShortcut);
    connect(next, &QShortcut::activated, &m_area, &QMdiArea::activateNextSubWindow);
}

QList<QMdiSubWindow*> WindowMenu::windows(bool minimized) const {
    QList<QMdiSubWindow*> found;
    for (QMdiSubWindow* sub : m_area.subWindowList(QMdiArea::CreationOrder)) {
        if (!sub->isHidden() && sub->isMinimized() == minimized)
            found << sub;
    }
    return found;
}

QList<QRect> WindowMenu::bands(const QRect& area, int count, bool stacked) {
    QList<QRect> result;
    if (count < 1)
        return result;
    const int length = (stacked ? area.height() : area.width()) / count;
    for (int i = 0; i < count; ++i) {
        const bool last = i == count - 1;
        if (stacked) {
            const int top = area.top() + i * length;
            result << QRect(area.left(), top, area.width(),
                            last ? area.bottom() + 1 - top : length);
        } else {
            const int left = area.left() + i * length;
            result << QRect(left, area.top(), last ? area.right() + 1 - left : length,
                            area.height());
        }
    }
    return result;
}

void WindowMenu::tile(bool stacked) {
    const QList<QMdiSubWindow*> open = windows(false);
    if (open.isEmpty())
        return;
    QRect area = m_area.viewport()->rect();
    // Leave the row of minimized windows along the bottom uncovered.
    const QList<QMdiSubWindow*> icons = windows(true);
    if (!icons.isEmpty())
        area.setBottom(area.bottom() - icons.first()->height());
    const QList<QRect> places = bands(area, int(open.size()), stacked);
    for (int i = 0; i < open.size(); ++i) {
        if (open[i]->isMaximized())
            open[i]->showNormal();
        open[i]->setGeometry(places[i]);
    }
}

void WindowMenu::tileHorizontally() {
    tile(true);
}

void WindowMenu::tileVertically() {
    tile(false);
}

void WindowMenu::cascade() {
    m_area.cascadeSubWindows();
}

void WindowMenu::arrangeIcons() {
    const QRect area = m_area.viewport()->rect();
    int x = area.left();
    int bottom = area.bottom() + 1;
    for (QMdiSubWindow* icon : windows(true)) {
        if (x > area.left() && x + icon->width() > area.right() + 1) {
            x = area.left();
            bottom -= icon->height();
        }
        icon->move(x, bottom - icon->height());
        x += icon->width();
    }
}

QList<QMdiSubWindow*> WindowMenu::listed(const QList<QMdiSubWindow*>& open,
                                         QMdiSubWindow* current) {
    QList<QMdiSubWindow*> first = open.mid(0, ListedWindows);
    if (current && !first.contains(current))
        first.last() = current;
    return first;
}

void WindowMenu::fillWindowList() {
    qDeleteAll(m_listed);
    m_listed.clear();
    const QList<QMdiSubWindow*> open = m_area.subWindowList(QMdiArea::CreationOrder);
    if (open.isEmpty())
        return;
    m_listed << m_menu.addSeparator();
    QMdiSubWindow* current = m_area.currentSubWindow();
    const QList<QMdiSubWindow*> shown = listed(open, current);
    for (int i = 0; i < shown.size(); ++i) {
        QMdiSubWindow* sub = shown[i];
        QAction* entry = m_menu.addAction(QStringLiteral("&%1 ").arg(i + 1) +
                                          LiteralText::menuText(LiteralText::windowTitle(*sub)));
        entry->setCheckable(true);
        entry->setChecked(sub == current);
        connect(entry, &QAction::triggered, this, [this, sub = QPointer<QMdiSubWindow>(sub)] {
            if (sub)
                m_area.setActiveSubWindow(sub);
        });
        m_listed << entry;
    }
    if (open.size() > ListedWindows) {
        QAction* more = m_menu.addAction(QStringLiteral("&More Windows..."));
        more->setObjectName(QStringLiteral("mnuWindowMore"));
        connect(more, &QAction::triggered, this, &WindowMenu::chooseFromAll);
        m_listed << more;
    }
}

void WindowMenu::chooseFromAll() {
    QMdiSubWindow* chosen = frmSelectWindow::choose(m_area.subWindowList(QMdiArea::CreationOrder),
                                                    m_area.currentSubWindow(), m_area.window());
    if (chosen)
        m_area.setActiveSubWindow(chosen);
}
