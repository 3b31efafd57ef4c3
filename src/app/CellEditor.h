#pragma once

#include "data/Result.h"
#include "data/SlotIds.h"
#include "data/SlotKey.h"
#include "data/SlotUndo.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class frmMain;
class frmTableWindow;

// The cell-edit pipeline: writes the active timetable window's current cell from the four lists,
// redraws it, undoes the last write and walks the name boxes' Enter from box to box and cell to
// cell. It alone holds the one-step undo and switches the Undo item.
class CellEditor : public QObject {
    Q_OBJECT
public:
    explicit CellEditor(frmMain& main);

    // Writes the active window's current cell from the four lists and CurrentSpecialID. A clash
    // is shown and leaves the cell as it was; a failed database step is shown and returned.
    Result<void> UpdateSlot(int index);
    // Runs `click`, list selections whose click writes the current cell, and returns what that
    // write returned: a command writing many cells stops at the first failed one.
    Result<void> writeThroughClick(const std::function<void()>& click);
    // Redraws the current cell from the lists' selection, without reading Slot.
    void DisplayCurrentSlot();
    void mnuEditUndo_Click();
    // Moves the grid to its next cell: right, then down to the next row, then back to the top.
    void SelectNextCell(frmTableWindow& f);

    // The one-step undo: the row the last cell write touched, as it was, and whether the Undo
    // item offers it.
    struct UndoState {
        std::optional<SlotUndo> record;
        bool enabled = false;
    };
    UndoState undoState() const;
    // Puts back a state taken before: a command whose writes were rolled back leaves Undo as it
    // found it.
    void restoreUndo(const UndoState& state);
    // Forgets the last cell write, so Undo cannot write it back, and disables Undo.
    void dropUndo();
    // Disables Undo without forgetting the write: it does not outlive a change of window.
    void disableUndo();

private:
    // Why a cell write showed a box: a clash (no error) or a failed database step.
    struct CellWriteProblem {
        QString text;
        std::optional<Error> error;
        bool reloadCell = true; // show the cell's stored content in the lists again
        bool redraw = false;    // the grid shows a write that did not stay
    };
    std::optional<CellWriteProblem> writeCurrentCell(frmTableWindow& f);
    void setUndoEnabled(bool enabled);
    void nameBoxEnter(int index);

    // The other windows show a cell write once it is committed.
    void showInOtherWindows(const SlotKey& key, const SlotIds& before, const SlotIds& after,
                            const frmTableWindow* drawnIn);

    frmMain& m_main;
    std::optional<SlotUndo> m_undo;
    // The last write of writeCurrentCell, for the other windows: the row before and after.
    struct WrittenCell {
        SlotKey key;
        SlotIds before, after;
    };
    std::optional<WrittenCell> m_written;
    // What the write of the last list click returned.
    Result<void> m_clickWrite;
};
