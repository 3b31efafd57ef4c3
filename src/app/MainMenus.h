#pragma once

#include <QAction>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

class QMainWindow;
class QMenu;

// The main window's menu bar and its two pop-up menus. Every item is a QAction whose
// objectName is the item's name (mnuEditUndo); separators and hidden items are kept as well.
class MainMenus : public QObject {
    Q_OBJECT
public:
    explicit MainMenus(QMainWindow& window);

    // The item of that name. Names are the program's own: an unknown one stops the program at
    // once (in the first test run that reaches it) rather than leaving a command unconnected.
    QAction* item(const QString& name) const;
    // Runs `slot` of `receiver` (a member function or a callable) when the named item is chosen.
    template <typename Receiver, typename Slot>
    void connectItem(const QString& name, const Receiver* receiver, Slot slot) const {
        QObject::connect(item(name), &QAction::triggered, receiver, slot);
    }
    QMenu* menu(const QString& name) const;
    QMenu& mnuRightClick() const { return *m_rightClick; }
    QMenu& mnuLeftMenuRightClick() const { return *m_leftMenuRightClick; }

    // The items that need an active timetable window, in the order activation enables them.
    static const QStringList& timetableCommands();
    // Activation enables them (Auto Fill only when `autoFill`); closing disables them all.
    void setTimetableCommandsEnabled(bool enabled, bool autoFill);

private:
    QMenu* addMenu(const QString& name, const QString& caption);
    QAction* addItem(QMenu& menu, const QString& name, const QString& caption,
                     const QString& shortcut = {});

    QMainWindow& m_window;
    QHash<QString, QAction*> m_items;
    QHash<QString, QMenu*> m_menus;
    QMenu* m_rightClick = nullptr;
    QMenu* m_leftMenuRightClick = nullptr;
};
