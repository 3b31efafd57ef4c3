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
    m_batchKeys.insert(TimetableContent::cellKey(start, dow));
    m_batchStart = start;
    m_batchDow = dow;
    for (const TimetableOwner& owner : owners) {
        if (!m_batchOwners.contains(owner))
            m_batchOwners << owner;
    }
    m_batchCells << cells;
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
    const QSet<QString> keys = std::exchange(m_batchKeys, {});
    const QList<TimetableOwner> owners = std::exchange(m_batchOwners, {});
    const QList<PendingCell> cells = std::exchange(m_batchCells, {});
    if (keys.size() == 1) {
        redrawCells(m_batchStart, m_batchDow, owners, cells);
        return;
    }
    QSet<frmTableWindow*> redrawn;
    for (const PendingCell& cell : cells) {
        if (cell.window && !redrawn.contains(cell.window.data())) {
            redrawn.insert(cell.window.data());
            m_main.RefreshTable(*cell.window);
        }
    }
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
