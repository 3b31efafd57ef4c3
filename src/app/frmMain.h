#pragma once

#include "data/Result.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include <optional>

class MainMenus;
class OutputCommands;
class PeriodCommands;
class SetupCommands;
class ModMain;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class TreeBars;
class frmTableWindow;
struct ActiveTimetable;
struct TimetableContent;

enum class IfNoTimetable { Quiet, TellUser };

// The main window: a frame for the timetable windows, with the left bar's lists, the menus
// and the toolbar. It writes cells for the active timetable window.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(ModMain& state, QWidget* parent = nullptr);
    ~frmMain() override;

    ModMain& state() const { return m_state; }
    QMdiArea* mdiArea() const { return m_mdiArea; }
    MainMenus& menus() const { return *m_menus; }
    TreeBars& picLeftBar() const { return *m_treeBars; }
    // Clear, Unavailable, Lunch, Break, the lunch column and the same-size commands.
    PeriodCommands& periodCommands() const { return *m_periodCommands; }
    // The wizards, the manage dialog and Auto Fill.
    SetupCommands& setupCommands() const { return *m_setupCommands; }
    // Formatting, styles, find and replace, the capacity report, exports and printing.
    OutputCommands& outputCommands() const { return *m_outputCommands; }
    // The drop-down of the View Table button: one item per timetable loaded since start-up.
    QMenu* viewTableMenu() const { return m_viewTableMenu; }

    // Start-up: sets the shared flags, opens the database when the program has none yet, fills
    // the lists and reopens every stored timetable. An error ends the program.
    Result<void> MDIForm_Load();
    bool isLoaded() const { return m_loaded; }

    // Shows a loaded window at the size of its timetable, as far as the frame has room.
    void showTableWindow(frmTableWindow& f);

    // Creates (but neither draws nor shows) the window of a stored timetable; null when the
    // timetable has no row.
    frmTableWindow* LoadTable(int timetableId);
    // Rebuilds the window's title and grid from the database, keeping its selection.
    void RefreshTable(frmTableWindow& f);
    // Stores the window's header sizes, column widths and row heights.
    void SaveTable(frmTableWindow& f);
    static QString FormatSlotText(const QString& sTutor, const QString& sSubject, const QString& sRoom,
                                  const QString& sClass, const QString& sViewBy);

    // Timetables were deleted: closes every window that shows one and removes their View Table
    // items.
    void timetablesDeleted(const QList<int>& timetableIds);
    // Forgets the last cell write, so Undo cannot write it back, and disables Undo.
    void dropUndo();

    bool AnyTimeTablesLoaded() const;
    QList<frmTableWindow*> timetableWindows() const;
    // The timetable window the user works in (the MDI area's current one), or null.
    frmTableWindow* activeTableWindow() const;
    // The active timetable window with its TimeTableView row, or why there is none. A failed
    // read shows its error; with TellUser, so does having no timetable window.
    ActiveTimetable activeTimetable(IfNoTimetable ifNone = IfNoTimetable::Quiet);

    // Writes the active window's current cell from the four lists and CurrentSpecialID.
    void UpdateSlot(int index);
    // Redraws the current cell from the lists' selection, without reading Slot.
    void DisplayCurrentSlot();
    void mnuEditUndo_Click();
    // Moves the grid to its next cell: right, then down to the next row, then back to the top.
    void SelectNextCell(frmTableWindow& f);

    void FirstRun();
    // A timetable window is closing (its geometry is stored already).
    void tableWindowClosing(frmTableWindow& f);
    // Runs the activation of the window that became current, if it really changed.
    void activateCurrentWindow();

private:
    // Why a cell write showed a box: a clash (no error) or a failed database step.
    struct CellWriteProblem {
        QString text;
        std::optional<Error> error;
        bool reloadCell = true; // show the cell's stored content in the lists again
        bool redraw = false;    // the grid shows a write that did not stay
    };
    std::optional<CellWriteProblem> writeCurrentCell(frmTableWindow& f);
    void addViewTableItem(int timetableId, const QString& title);
    void showWithQuietActivations();
    void drawTimetable(frmTableWindow& f, const TimetableContent& content);
    void nameBoxEnter(int index);

    ModMain& m_state;
    QMdiArea* m_mdiArea = nullptr;
    MainMenus* m_menus = nullptr;
    TreeBars* m_treeBars = nullptr;
    PeriodCommands* m_periodCommands = nullptr;
    SetupCommands* m_setupCommands = nullptr;
    OutputCommands* m_outputCommands = nullptr;
    QMenu* m_viewTableMenu = nullptr;
    // The View Table items by timetable id, so that adding one does not search the menu.
    QHash<int, QPointer<QAction>> m_viewTableItems;
    QPointer<frmTableWindow> m_activated;
    bool m_loaded = false;
};
