#pragma once

#include "data/TimetableContent.h"

#include <QTime>
#include <QWidget>

class FlexGrid;
struct SlotIds;
class QLabel;
class frmMain;

// The child window that shows one stored timetable as a grid of days by periods, and ties the
// left bar's lists to the grid's current cell.
class frmTableWindow : public QWidget {
    Q_OBJECT
public:
    frmTableWindow(frmMain& main, int timetableId, QWidget* parent = nullptr);

    // The TimeTableView id of the timetable this window shows.
    int Tag() const { return m_tag; }

    FlexGrid& g() const { return *m_grid; }
    // What the window last drew from the database, without the slots; its sizes are those last
    // stored. Empty (id 0) before the first drawing.
    const TimetableContent& drawn() const { return m_drawn; }
    TimetableContent& drawn() { return m_drawn; }
    void setDrawn(TimetableContent content);
    QLabel& lblTitle() const { return *m_title; }
    // Big enough to show the whole timetable.
    QSize sizeHint() const override;

    // The window became the current timetable window: store and redraw it, load its cell.
    void Form_Activate();
    // Loads the current cell's stored row into the four lists, as a click on it does.
    void ClickMyGrid();
    // Selects a cell's stored items in the four lists and takes its kind of period, as entering
    // the cell does; the next list click writes the cell from them.
    void ShowInLists(const SlotIds& shown);
    // Marks in the Tutors, Rooms and Classes lists who is busy in that period, the cell's own
    // lessons (`shown`) left out.
    void UpdateTreeViewIcons(QTime dtStartTime, const QString& sDOW, const SlotIds& shown);
    // Pastes the clipboard's cell into the current cell.
    void ClipboardPaste();
    // Puts the current cell on the clipboard; a cut then empties it.
    void ClipboardCopy(bool bCut);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void g_EnterCell();
    void g_KeyDown(int key, Qt::KeyboardModifiers modifiers, const QString& text);
    void g_MouseUp(Qt::MouseButton button, QPoint position);
    void reselectForMenu(QPoint position);

    frmMain& m_main;
    int m_tag;
    QLabel* m_title = nullptr;
    FlexGrid* m_grid = nullptr;
    TimetableContent m_drawn;
};
