#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QWidget;
class frmMain;

// The Window menu: arranging the timetable windows, and the list of open windows below its
// items: the first nine, the active one always among them with a check; choosing one activates
// it. With more open, "More Windows..." chooses among them all.
class WindowMenu : public QObject {
    Q_OBJECT
public:
    explicit WindowMenu(frmMain& main);

    // Full-width windows stacked from top to bottom.
    void tileHorizontally();
    // Full-height windows side by side.
    void tileVertically();
    void cascade();
    // Lines up the minimized windows along the bottom edge.
    void arrangeIcons();

    // Splits `area` into `count` bands: rows when `stacked`, else columns. The last band takes
    // what the division leaves over.
    static QList<QRect> bands(const QRect& area, int count, bool stacked);

private:
    void tile(bool stacked);
    // Ctrl+Tab chooses the next window from `bar` too.
    void takeNextWindowKeysIn(QWidget& bar);
    QList<QMdiSubWindow*> windows(bool minimized) const;
    void fillWindowList();
    void chooseFromAll();
    // The windows the list shows: the first of `open`, the last of them given up for `current`
    // when it comes later.
    static QList<QMdiSubWindow*> listed(const QList<QMdiSubWindow*>& open, QMdiSubWindow* current);

    static constexpr int ListedWindows = 9;

    QMdiArea& m_area;
    QMenu& m_menu;
    QList<QAction*> m_listed;
};
