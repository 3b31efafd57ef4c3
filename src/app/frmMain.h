#pragma once

#include "data/Result.h"

#include <QMainWindow>

class ModMain;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class frmTableWindow;
struct TimetableContent;

// The main window: a frame for the timetable windows, with the lists, menus and toolbar.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(ModMain& state, QWidget* parent = nullptr);

    ModMain& state() const { return m_state; }
    QMdiArea* mdiArea() const { return m_mdiArea; }
    // The drop-down of the View Table button: one item per timetable loaded since start-up.
    QMenu* viewTableMenu() const { return m_viewTableMenu; }

    // Start-up: sets the shared flags, opens the database when the program has none yet, and
    // reopens every stored timetable. An error leaves the program unusable: the caller ends it.
    Result<void> MDIForm_Load();
    bool isLoaded() const { return m_loaded; }

    // Creates (but neither draws nor shows) the window of a stored timetable; null when the
    // timetable has no row.
    frmTableWindow* LoadTable(int timetableId);
    // Rebuilds the window's title and grid from the database, keeping its selection.
    void RefreshTable(frmTableWindow& f);
    // Stores the window's header sizes, column widths and row heights.
    void SaveTable(frmTableWindow& f);
    static QString FormatSlotText(const QString& sTutor, const QString& sSubject, const QString& sRoom,
                                  const QString& sClass, const QString& sViewBy);

    bool AnyTimeTablesLoaded() const;
    QList<frmTableWindow*> timetableWindows() const;
    // The timetable window the user works in, or null.
    frmTableWindow* activeTableWindow() const;
    QMdiSubWindow* subWindowOf(const frmTableWindow& f) const;

    void FirstRun();

private:
    void addViewTableItem(int timetableId, const QString& title);
    void drawTimetable(frmTableWindow& f, const TimetableContent& content);

    ModMain& m_state;
    QMdiArea* m_mdiArea = nullptr;
    QMenu* m_viewTableMenu = nullptr;
    bool m_loaded = false;
};
