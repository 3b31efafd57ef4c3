#pragma once

#include "data/Result.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include <memory>

class CellEditor;
class MainMenus;
class MainToolBar;
class PeriodCommands;
class ModMain;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class TreeBars;
class WindowRedraws;
class frmTableWindow;
struct ActiveTimetable;
struct TimetableContent;

enum class IfNoTimetable { Quiet, TellUser };

// The main window: a frame for the timetable windows, with the left bar's lists, the menus
// and the toolbar. Its cell editor writes the cells of the active timetable window.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(ModMain& state, QWidget* parent = nullptr);
    ~frmMain() override;

    ModMain& state() const { return m_state; }
    QMdiArea* mdiArea() const { return m_mdiArea; }
    MainMenus& menus() const { return *m_menus; }
    MainToolBar& toolBar() const { return *m_toolBar; }
    TreeBars& picLeftBar() const { return *m_treeBars; }
    // Writes the active window's current cell from the lists, undoes the last write.
    CellEditor& cellEditor() const { return *m_cellEditor; }
    // Clear, Unavailable, Lunch, Break, the lunch column and the same-size commands.
    PeriodCommands& periodCommands() const { return *m_periodCommands; }
    // Keeps the open windows showing what is stored after a command changed it.
    WindowRedraws& redraws() const { return *m_redraws; }
    // The drop-down of the View Table button: one item per timetable loaded since start-up.
    QMenu* viewTableMenu() const { return m_viewTableMenu; }

    // Start-up: sets the shared flags, opens the database when the program has none yet, fills
    // the lists and reopens every stored timetable. An error ends the program.
    Result<void> MDIForm_Load();
    bool isLoaded() const { return m_loaded; }

    // Shows a newly loaded window at the size of its timetable, as far as the frame has room,
    // one cascade step below and right of the window in front, or at the top-left when it would
    // not lie whole in the workspace there; beside a maximised window, maximised like it.
    void showTableWindow(frmTableWindow& f);

    // Creates (but neither draws nor shows) the window of a stored timetable; null when the
    // timetable has no row.
    frmTableWindow* LoadTable(int timetableId);
    // Rebuilds the window's title and grid from the database, keeping its selection.
    void RefreshTable(frmTableWindow& f);
    // Stores the window's header sizes, column widths and row heights, when they changed.
    void SaveTable(frmTableWindow& f);
    static QString FormatSlotText(const QString& sTutor, const QString& sSubject,
                                  const QString& sRoom, const QString& sClass,
                                  const QString& sViewBy);

    // Timetables were deleted: closes every window that shows one and removes their View Table
    // items.
    void timetablesDeleted(const QList<int>& timetableIds);

    bool AnyTimeTablesLoaded() const;
    QList<frmTableWindow*> timetableWindows() const;
    // The timetable window the user works in (the MDI area's current one), or null.
    frmTableWindow* activeTableWindow() const;
    // The active timetable window with its TimeTableView row, or why there is none. A failed
    // read shows its error; with TellUser, so does having no timetable window.
    ActiveTimetable activeTimetable(IfNoTimetable ifNone = IfNoTimetable::Quiet);

    // The first-run questions: the tutorial, then the wizard; a Yes asks for the wizard.
    void FirstRun();
    // A timetable window is closing (its geometry is stored already).
    void tableWindowClosing(frmTableWindow& f);
    // Runs the activation of the window that became current, if it really changed.
    void activateCurrentWindow();

signals:
    // The first-run prompts were answered Yes: the new-timetable wizard is wanted.
    void newTimetableWizardRequested();
    // A timetable window is closing; it still counts among the windows.
    void tableWindowAboutToClose();

private:
    void addViewTableItem(int timetableId, const QString& title);
    void showWithQuietActivations();
    void drawTimetable(frmTableWindow& f, TimetableContent content);
    // Shows a loaded window at the size of its timetable, where the workspace places it.
    void showAtItsSize(frmTableWindow& f);
    // The top-left for a new window of `size`: `step` below and right of `front`, when the
    // window lies whole in the visible workspace there; else the workspace's top-left.
    QPoint nextCascadePlace(const QMdiSubWindow* front, const QSize& size, int step) const;
    // A sub-window size cut to the workspace's visible area, never below a usable minimum.
    QSize fittedToWorkspace(const QSize& wanted) const;

    ModMain& m_state;
    QMdiArea* m_mdiArea = nullptr;
    MainMenus* m_menus = nullptr;
    MainToolBar* m_toolBar = nullptr;
    TreeBars* m_treeBars = nullptr;
    CellEditor* m_cellEditor = nullptr;
    PeriodCommands* m_periodCommands = nullptr;
    std::unique_ptr<WindowRedraws> m_redraws;
    QMenu* m_viewTableMenu = nullptr;
    // The View Table items by timetable id, so that adding one does not search the menu.
    QHash<int, QPointer<QAction>> m_viewTableItems;
    QPointer<frmTableWindow> m_activated;
    bool m_activating = false;
    bool m_loaded = false;
};
