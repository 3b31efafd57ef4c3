#pragma once

#include "WindowsByOwner.h"
#include "data/SlotIds.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QString>
#include <QTime>

class frmMain;
class frmTableWindow;

// Keeps every open timetable window showing what is stored. A one-cell write redraws that cell
// in the windows of the classes, tutors and rooms it held before and after; a command that
// writes many cells collects them in a batch and, at its end, redraws each changed cell once.
// A redraw keeps each window's current cell and selection and raises no cell event.
class WindowRedraws {
public:
    explicit WindowRedraws(frmMain& main) : m_main(main) {}

    WindowsByOwner& windows() { return m_windows; }

    // A grid cell the writer has drawn itself; the whole window when no row is given.
    struct CellPlace {
        const frmTableWindow* window = nullptr;
        int row = -1;
        int col = -1;

        bool covers(const frmTableWindow* w, int r, int c) const {
            return w == window && (row < 0 || (r == row && c == col));
        }
    };
    // The slot stored at `start` and `dow` went from `before` to `after`.
    void cellWritten(QTime start, const QString& dow, const SlotIds& before, const SlotIds& after,
                     const CellPlace& drawnAlready);

    // Names or whole timetables changed: every open window draws itself again.
    void redrawAll();
    // One timetable's look changed: its windows draw themselves again.
    void redrawTimetable(int timetableId);

    // The cell writes of its lifetime are redrawn when it ends (the outermost one, if nested).
    class Batch {
    public:
        explicit Batch(WindowRedraws& redraws) : m_redraws(redraws) { ++m_redraws.m_depth; }
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        WindowRedraws& m_redraws;
    };

private:
    struct PendingCell {
        QPointer<frmTableWindow> window;
        int row = 0;
        int col = 0;

        bool operator==(const PendingCell& other) const {
            return window == other.window && row == other.row && col == other.col;
        }
    };
    // The cells a batch wrote at one start and day, and the owners whose windows show them.
    struct PendingKey {
        QTime start;
        QString dow;
        QList<TimetableOwner> owners;
        QList<PendingCell> cells;
    };
    QList<TimetableOwner> ownersWithWindows(const SlotIds& before, const SlotIds& after) const;
    QList<PendingCell> cellsShowing(QTime start, const QString& dow,
                                    const QList<TimetableOwner>& owners,
                                    const CellPlace& drawnAlready) const;
    void redrawCells(QTime start, const QString& dow, const QList<TimetableOwner>& owners,
                     const QList<PendingCell>& cells);
    void endBatch();

    frmMain& m_main;
    WindowsByOwner m_windows;
    int m_depth = 0;
    // What the open batch has written, by start and day.
    QHash<QString, PendingKey> m_batch;
};
