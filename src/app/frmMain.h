#pragma once

#include <QMainWindow>

class ModMain;
class QMdiArea;

// The main window: a frame for the timetable windows, with the lists, menus and toolbar.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(ModMain& state, QWidget* parent = nullptr);

    ModMain& state() const { return m_state; }
    QMdiArea* mdiArea() const { return m_mdiArea; }

private:
    ModMain& m_state;
    QMdiArea* m_mdiArea = nullptr;
};
