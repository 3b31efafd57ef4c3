#include "AutoFillStore.h"

#include "CellLookup.h"
#include "ClashCheck.h"
#include "SlotWriter.h"
#include "TimetableView.h"

#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include <algorithm>

QList<int> AutoFillAnswers::subjectPool() const {
    QList<int> pool;
    for (qsizetype i = 0; i < subjectIds.size(); ++i)
        pool.insert(pool.size(), subjectPeriods.value(i), subjectIds[i]);
    return pool;
}

namespace {

bool isFree(const CellSlot& cell) {
    return !cell.row || isBlankSlot(*cell.row, ViewKind::Class);
}

// Visits the grid's cells day by day, period by period (nothing for a cell whose day or period
// row is missing), until the visitor returns false.
template <typename Visit>
Result<void> walkCells(const DBConnection& db, const TimetableView& view, const GridIds& grid,
                       Visit visit) {
    for (int day : grid.days) {
        for (int period : grid.periods) {
            Result<std::optional<CellSlot>> cell = CellLookup::lookup(db, view, day, period);
            if (!cell)
                return cell.error();
            Result<bool> goOn = visit(cell.value());
            if (!goOn)
                return goOn.error();
            if (!goOn.value())
                return {};
        }
    }
    return {};
}

// One fill's writes: a lesson per free cell, by the clash rules.
class Filler {
public:
    Filler(const DBConnection& db, const AutoFillAnswers& answers, const RandomDraw& draw)
        : m_db(db), m_writer(db), m_answers(answers), m_draw(draw) {}

    // True when the lesson was stored, false when the cell stays free.
    Result<bool> fillCell(const CellSlot& cell, int subjectId) const {
        Result<int> tutor = chooseTutor(subjectId);
        if (!tutor)
            return tutor.error();
        const int room = m_answers.roomIds[drawIndex(m_draw(), int(m_answers.roomIds.size()))];
        const int ownRowId = cell.row ? cell.row->id : 0;
        Result<ClashCheck> clash =
            CheckForClash(m_db, viewKindText(ViewKind::Class), room, tutor.value(),
                          cell.key.ownerId, cell.key.start, cell.key.dow, ownRowId);
        if (!clash)
            return clash.error();
        if (clash.value().clash)
            return false;
        const SlotIds lesson{subjectId, cell.key.ownerId, tutor.value(), room, SlotIds::None};
        return store(cell, ownRowId, lesson, clash.value().excusedPlaceholders);
    }

private:
    Result<int> chooseTutor(int subjectId) const {
        Result<int> teacher =
            AutoFillStore::IsSubjectTaughtByATutor(m_db, m_answers.tutorIds, subjectId);
        if (!teacher || teacher.value() != -1)
            return teacher;
        return m_answers.tutorIds[drawIndex(m_draw(), int(m_answers.tutorIds.size()))];
    }

    // The tutor's or room's own empty row at that time shows first in its timetable: a second
    // row there would stay hidden and later let it be booked twice. So the lesson becomes that
    // row, when there is just one and it names no subject; otherwise the cell stays free.
    Result<bool> store(const CellSlot& cell, int ownRowId, const SlotIds& lesson,
                       QList<int> placeholders) const {
        std::sort(placeholders.begin(), placeholders.end());
        placeholders.erase(std::unique(placeholders.begin(), placeholders.end()),
                           placeholders.end());
        if (placeholders.size() > 1)
            return false;
        int target = ownRowId;
        if (!placeholders.isEmpty()) {
            Result<std::optional<SlotRow>> placeholder = m_writer.readRow(placeholders.first());
            if (!placeholder)
                return placeholder.error();
            if (!placeholder.value() || placeholder.value()->ids.subjectId != SlotIds::None)
                return false;
            if (target == 0)
                target = placeholder.value()->id;
            else if (Result<void> removed = m_writer.removeRows(placeholders); !removed)
                return removed.error();
        }
        if (target != 0) {
            if (Result<void> updated = m_writer.updateRow(target, lesson); !updated)
                return updated.error();
            return true;
        }
        Result<int> added = m_writer.addRow(cell.key, lesson);
        if (!added)
            return added.error();
        return true;
    }

    const DBConnection& m_db;
    const SlotWriter m_writer;
    const AutoFillAnswers& m_answers;
    const RandomDraw& m_draw;
};

} // namespace

namespace AutoFillStore {

Result<PeriodCount> countPeriods(const DBConnection& db, int timetableId, const GridIds& grid) {
    Result<std::optional<TimetableView>> view = TimetableView::read(db, timetableId);
    if (!view)
        return view.error();
    PeriodCount count;
    if (!view.value())
        return count;
    Result<void> walked = walkCells(db, *view.value(), grid,
                                    [&](const std::optional<CellSlot>& cell) -> Result<bool> {
                                        ++(cell && isFree(*cell) ? count.available : count.filled);
                                        return true;
                                    });
    if (!walked)
        return walked.error();
    return count;
}

Result<int> IsSubjectTaughtByATutor(const DBConnection& db, const QList<int>& tutorIds,
                                    int subjectId) {
    Result<QSqlQuery> pairs =
        db.exec(QStringLiteral(
                    "SELECT TutorID FROM SubjectsTaughtByTutor WHERE SubjectID = ? ORDER BY rowid"),
                {subjectId});
    if (!pairs)
        return pairs.error();
    while (pairs.value().next()) {
        const int tutorId = pairs.value().value(0).toInt();
        if (tutorIds.contains(tutorId))
            return tutorId;
    }
    return -1;
}

Result<QSet<int>> tutorsTeaching(const DBConnection& db, const QList<int>& subjectIds) {
    QSet<int> tutors;
    if (subjectIds.isEmpty())
        return tutors;
    QStringList marks;
    QVariantList values;
    for (int id : subjectIds) {
        marks << QStringLiteral("?");
        values << id;
    }
    Result<QSqlQuery> query =
        db.exec(QStringLiteral("SELECT DISTINCT Tutor.ID FROM Tutor JOIN SubjectsTaughtByTutor "
                               "ON SubjectsTaughtByTutor.TutorID = Tutor.ID "
                               "WHERE SubjectsTaughtByTutor.SubjectID IN (%1)")
                    .arg(marks.join(QStringLiteral(", "))),
                values);
    if (!query)
        return query.error();
    while (query.value().next())
        tutors.insert(query.value().value(0).toInt());
    return tutors;
}

Result<AutoFillOutcome> fill(const DBConnection& db, int timetableId, const GridIds& grid,
                             const QList<int>& pool, const AutoFillAnswers& answers,
                             const RandomDraw& draw) {
    Result<std::optional<TimetableView>> view = TimetableView::read(db, timetableId);
    if (!view)
        return view.error();
    AutoFillOutcome outcome;
    if (!view.value() || view.value()->kind() != ViewKind::Class || answers.roomIds.isEmpty() ||
        answers.tutorIds.isEmpty())
        return outcome;

    Transaction transaction(db);
    if (!transaction.started())
        return transaction.started().error();
    const Filler filler(db, answers, draw);
    qsizetype position = 0;
    Result<void> walked = walkCells(
        db, *view.value(), grid, [&](const std::optional<CellSlot>& cell) -> Result<bool> {
            if (position == pool.size())
                return false; // the rest of the free cells stay free
            if (!cell || !isFree(*cell))
                return true;
            Result<bool> stored = filler.fillCell(*cell, pool[position++]);
            if (!stored)
                return stored.error();
            if (stored.value())
                ++outcome.written;
            else
                outcome.clashed = true;
            return true;
        });
    if (!walked)
        return walked.error();
    if (Result<void> committed = transaction.commit(); !committed)
        return committed.error();
    return outcome;
}

} // namespace AutoFillStore
