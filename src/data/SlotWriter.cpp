#include "SlotWriter.h"

#include "CellLookup.h"
#include "MergeRule.h"

#include <QSqlQuery>

Result<SlotWriteOutcome> SlotWriter::write(const SlotKey& cell, const SlotIds& chosen) const {
    const SlotIds wanted = chosen.withResource(cell.owner, cell.ownerId);
    Transaction transaction(m_db);
    if (!transaction.started())
        return transaction.started().error();

    Result<std::optional<SlotRow>> target = CellLookup::ownRow(m_db, cell);
    if (!target)
        return target.error();
    SlotWriteOutcome outcome;
    outcome.written = wanted;
    if (!target.value()) {
        target = MergeRule::findFreeRow(m_db, cell, wanted);
        if (!target)
            return target.error();
        if (target.value()) {
            outcome.written = MergeRule::takeOver(*target.value(), cell, wanted.specialId);
            outcome.tookOver = true;
        }
    }

    // Checked on what will be stored: a takeover can bring in a tutor, room or class that
    // was not chosen, and it must not be double-booked either. The row taken over is the
    // write itself, not another booking.
    Result<ClashCheck> clash =
        checkClash(cell, outcome.written, target.value() ? target.value()->id : 0);
    if (!clash)
        return clash.error();
    if (clash.value().clash)
        return SlotWriteOutcome{clash.value(), {}, 0, false, {}};

    // A placeholder that let the lesson pass would hide it in its resource's timetable (the
    // first row wins there): a cell without a row of its own becomes that placeholder, and any
    // other placeholder goes.
    QList<int> placeholders = clash.value().excusedPlaceholders;
    if (!target.value() && !placeholders.isEmpty()) {
        Result<std::optional<SlotRow>> placeholder = readRow(placeholders.takeFirst());
        if (!placeholder)
            return placeholder.error();
        target = placeholder;
    }

    if (target.value()) {
        outcome.rowId = target.value()->id;
        outcome.undo = SlotUndo{cell, outcome.rowId, target.value()->ids};
        if (Result<void> updated = updateRow(outcome.rowId, outcome.written); !updated)
            return updated.error();
    } else {
        Result<int> added = addRow(cell, outcome.written);
        if (!added)
            return added.error();
        outcome.rowId = added.value();
        outcome.undo = SlotUndo{cell, outcome.rowId, SlotIds::blankSlot(cell.owner, cell.ownerId)};
    }
    if (Result<void> removed = removeRows(placeholders); !removed)
        return removed.error();
    if (Result<void> committed = transaction.commit(); !committed)
        return committed.error();
    return outcome;
}

Result<ClashCheck> SlotWriter::undo(const SlotUndo& record) const {
    Transaction transaction(m_db);
    if (!transaction.started())
        return transaction.started().error();
    // A restored free row holds 1 in the owner's column; the owner is still the one whose
    // rows do not count against it.
    Result<ClashCheck> clash = checkClash(
        record.key, record.before.withResource(record.key.owner, record.key.ownerId), record.rowId);
    if (!clash || clash.value().clash)
        return clash;
    if (Result<void> updated = updateRow(record.rowId, record.before); !updated)
        return updated.error();
    if (Result<void> removed = removeRows(clash.value().excusedPlaceholders); !removed)
        return removed.error();
    if (Result<void> committed = transaction.commit(); !committed)
        return committed.error();
    return ClashCheck{};
}

Result<ClashCheck> SlotWriter::checkClash(const SlotKey& cell, const SlotIds& ids,
                                          int takenOverRowId) const {
    return CheckForClash(m_db, viewKindText(cell.owner), ids.roomId, ids.tutorId, ids.classId,
                         cell.start, cell.dow, takenOverRowId);
}

Result<std::optional<SlotRow>> SlotWriter::readRow(int rowId) const {
    Result<std::optional<QSqlRecord>> row = m_db.firstRow(
        QStringLiteral("SELECT %1 FROM Slot WHERE ID = ?").arg(SlotRow::selectColumns()), {rowId});
    if (!row)
        return row.error();
    if (!row.value())
        return std::optional<SlotRow>();
    return std::optional<SlotRow>(SlotRow::fromRecord(*row.value()));
}

Result<void> SlotWriter::removeRows(const QList<int>& rowIds) const {
    for (int rowId : rowIds) {
        if (Result<void> removed =
                m_db.run(QStringLiteral("DELETE FROM Slot WHERE ID = ?"), {rowId});
            !removed)
            return removed;
    }
    return {};
}

Result<void> SlotWriter::updateRow(int rowId, const SlotIds& ids) const {
    Result<QSqlQuery> query = m_db.exec(
        QStringLiteral("UPDATE Slot SET SubjectID = ?, TutorID = ?, RoomID = ?, ClassID = ?, "
                       "SpecialID = ? WHERE ID = ?"),
        {ids.subjectId, ids.tutorId, ids.roomId, ids.classId, ids.specialId, rowId});
    if (!query)
        return query.error();
    if (query.value().numRowsAffected() != 1)
        return Error{
            QStringLiteral("The slot %1 could not be written: it no longer exists.").arg(rowId)};
    return {};
}

Result<int> SlotWriter::addRow(const SlotKey& cell, const SlotIds& ids) const {
    return m_db.insertRow(QStringLiteral("Slot"), {{QStringLiteral("SubjectID"), ids.subjectId},
                                                   {QStringLiteral("ClassID"), ids.classId},
                                                   {QStringLiteral("TutorID"), ids.tutorId},
                                                   {QStringLiteral("RoomID"), ids.roomId},
                                                   {QStringLiteral("StartTime"), cell.startText()},
                                                   {QStringLiteral("Duration"), cell.duration},
                                                   {QStringLiteral("DOW"), cell.dow},
                                                   {QStringLiteral("SpecialID"), ids.specialId}});
}
