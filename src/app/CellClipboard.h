#pragma once

class frmMain;
class frmTableWindow;

// Copies, cuts and pastes the current cell of a timetable window through the system clipboard,
// as the text of one cell (tutor, subject, room, class, special id). Cut and paste write through
// the main window's cell editor, so the clash check and undo apply as for any edit.
class CellClipboard {
public:
    CellClipboard(frmMain& main, frmTableWindow& window) : m_main(main), m_window(window) {}

    // A cell without a stored row copies nothing (the clipboard keeps what it held) and a cut
    // of it writes nothing.
    void copy(bool cut) const;
    // Writes nothing unless the clipboard holds one cell whose names all name items of the
    // lists (an empty name is none); never adds a record.
    void paste() const;

private:
    bool isActive() const;
    void blankCurrentCell() const;

    frmMain& m_main;
    frmTableWindow& m_window;
};
