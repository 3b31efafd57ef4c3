#pragma once

#include <QToolBar>

class QAction;
class QToolButton;
class frmMain;

// The main window's toolbar ("ToolBar"). Its buttons are actions of their own, so the enabling
// of the menu items never disables them; the ones that need a timetable check for one first.
// Most buttons run the menu item that does the same work, so each command is connected once.
class MainToolBar : public QToolBar {
    Q_OBJECT
public:
    explicit MainToolBar(frmMain& main);

    // The button with that key ("New", "View", "AutoFill", "Blank", ...); null when none has it.
    QAction* button(const QString& key) const;
    // The View Table button, whose arrow opens the drop-down of loaded timetables.
    QToolButton& viewTableButton() const;

    // Runs the command of the button with that key.
    void ToolBar_ButtonClick(const QString& key);
    // Brings up the timetable of a drop-down entry: its open window, or a new one.
    void ToolBar_ButtonMenuClick(const QAction& entry);

signals:
    // The Auto Fill button: it runs also where the menu item is disabled, because Auto Fill
    // explains itself why it cannot fill a timetable that is not a class's.
    void autoFillRequested();

private:
    void addButton(const QString& key, const QString& caption, const QString& toolTip,
                   const QString& icon);
    bool timetableCheck();
    void runMenuItem(const QString& name);

    frmMain& m_main;
};
