#include "WindowRedraws.h"

#include "ErrorReport.h"
#include "ModMain.h"
#include "TimetableDrawing.h"
#include "data/TimetableContent.h"
#include "frmMain.h"
#include "frmTableWindow.h"

#include <utility>

WindowRedraws::Batch::~Batch() {
    if (--m_redraws.m_depth == 0)
        m_redraws.endBatch();
}

void WindowRedraws::cellWritten(QTime start, const QString& dow, const SlotIds& before,
                                const SlotIds& after, const CellPlace& drawnAlready) {
    const QList<TimetableOwner> owners = ownersWithWindows(before, after);
    if (owners.isEmpty())
        return;
    const QList<PendingCell> cells = cellsShowing(start, dow, owners, drawnAlready);
    if (cells.isEmpty())
        return;
    if (m_depth == 0) {
        redrawCells(start, dow, owners, cells);
        return;
    }
    PendingKey& pending = m_batch[TimetableContent::cellKey(start, dow)];
    pending.start = start;
    pending.dow = dow;
    for (const TimetableOwner& owner : owners) {
        if (!pending.owners.contains(owner))
            pending.owners << owner;
    }
    for (const PendingCell& cell : cells) {
        if (!pending.cells.contains(cell))
            pending.cells << cell;
    }
}

QList<TimetableOwner> WindowRedraws::ownersWithWindows(const SlotIds& before,
                                                       const SlotIds& after) const {
    QList<TimetableOwner> owners;
    for (const SlotIds& ids : {before, after}) {
        for (const ViewKind kind : {ViewKind::Class, ViewKind::Tutor, ViewKind::Room}) {
            const TimetableOwner owner{kind, ids.resource(kind)};
            if (!owners.contains(owner) && !m_windows.of(owner).isEmpty())
                owners << owner;
        }
    }
    return owners;
}

QList<WindowRedraws::PendingCell> WindowRedraws::cellsShowing(QTime start, const QString& dow,
                                                              const QList<TimetableOwner>& owners,
                                                              const CellPlace& drawnAlready) const {
    QList<PendingCell> cells;
    for (const TimetableOwner& owner : owners) {
        for (frmTableWindow* window : m_windows.of(owner)) {
            for (const auto& [row, col] : window->drawn().cellsAt(start, dow)) {
                if (!drawnAlready.covers(window, row, col))
                    cells << PendingCell{window, row, col};
            }
        }
    }
    return cells;
}

void WindowRedraws::redrawCells(QTime start, const QString& dow,
                                const QList<TimetableOwner>& owners,
                                const QList<PendingCell>& cells) {
    ModMain& state = m_main.state();
    Result<QHash<TimetableOwner, DrawnSlot>> stored =
        TimetableStore::slotsAt(state.db(), start, dow, owners);
    if (!stored) {
        reportError(QStringLiteral("The timetables could not be drawn."), stored.error(), &m_main);
        return;
    }
    FlagGuard quiet(state.GridEventsEnabled, false);
    for (const PendingCell& cell : cells) {
        if (!cell.window)
            continue;
        const TimetableContent& drawn = cell.window->drawn();
        const auto slot = stored.value().constFind(*drawn.owner());
        TimetableDrawing(drawn).redrawCell(cell.window->g(), cell.row, cell.col,
                                           slot == stored.value().constEnd() ? nullptr
                                                                             : &slot.value());
    }
}

void WindowRedraws::endBatch() {
    // Cell by cell, one read for each start and day written: a whole window read again for each
    // of a few changed cells would cost more than the command's own writes.
    const QHash<QString, PendingKey> batch = std::exchange(m_batch, {});
    for (const PendingKey& pending : batch)
        redrawCells(pending.start, pending.dow, pending.owners, pending.cells);
}

void WindowRedraws::redrawAll() {
    for (frmTableWindow* window : m_main.timetableWindows())
        m_main.RefreshTable(*window);
}

void WindowRedraws::redrawTimetable(int timetableId) {
    for (frmTableWindow* window : m_main.timetableWindows()) {
        if (window->Tag() == timetableId)
            m_main.RefreshTable(*window);
    }
}
