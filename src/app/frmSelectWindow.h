#pragma once

#include <QDialog>
#include <QList>
#include <QPointer>

class QListWidget;
class QMdiSubWindow;

// "Select Window": every open window by its title, for when the Window menu lists only nine. OK
// or a double-click chooses the selected one; Cancel chooses none.
class frmSelectWindow : public QDialog {
    Q_OBJECT
public:
    // Lists `windows` in their order, with `current` selected.
    frmSelectWindow(const QList<QMdiSubWindow*>& windows, QMdiSubWindow* current, QWidget* parent);

    // Shows the list modally; the window chosen, or null after Cancel (or when it has closed).
    static QMdiSubWindow* choose(const QList<QMdiSubWindow*>& windows, QMdiSubWindow* current,
                                 QWidget* parent);

private:
    QMdiSubWindow* chosen() const;

    QList<QPointer<QMdiSubWindow>> m_windows;
    QListWidget* m_list = nullptr;
};
