#include "frmReplace.h"

#include "app/ActiveTimetable.h"
#include "app/CellBatch.h"
#include "app/CellEditor.h"
#include "app/ErrorReport.h"
#include "app/ModMain.h"
#include "app/TreeBars.h"
#include "app/frmMain.h"
#include "app/frmTableWindow.h"
#include "data/PeriodKind.h"
#include "data/TimetableSlots.h"
#include "platform/FlexGrid.h"
#include "platform/KeepSelection.h"
#include "platform/LiteralText.h"
#include "platform/MsgBox.h"
#include "platform/RedrawOff.h"
#include "platform/WaitCursor.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

const QString NotReplaced = QStringLiteral("The replacement could not be made.");

// The id a lesson holds in the column of this list.
int idIn(const SlotIds& ids, NameLists::List list) {
    const std::optional<ViewKind> resource = NameLists::ownerKind(list);
    return resource ? ids.resource(*resource) : ids.subjectId;
}

std::optional<int> selectedId(const QListWidget& list) {
    const QListWidgetItem* item = list.currentItem();
    if (!item || !item->isSelected())
        return std::nullopt;
    return item->data(Qt::UserRole).toInt();
}

} // namespace

frmReplace::frmReplace(frmMain& main) : QDialog(&main), m_main(main) {
    setObjectName(QStringLiteral("frmReplace"));
    setWindowTitle(QStringLiteral("Find and Replace"));

    m_lblType = LiteralText::label(QStringLiteral("Type:"), this);
    m_cboType = new QComboBox(this);
    m_cboType->setObjectName(QStringLiteral("cboType"));
    m_lblType->setBuddy(m_cboType);
    m_lblFind = LiteralText::label(QStringLiteral("Find:"), this);
    m_lstFind = new QListWidget(this);
    m_lstFind->setObjectName(QStringLiteral("lstFind"));
    m_lblReplace = LiteralText::label(QStringLiteral("Replace with:"), this);
    m_lstReplace = new QListWidget(this);
    m_lstReplace->setObjectName(QStringLiteral("lstReplace"));
    m_cmdOK = new QPushButton(QStringLiteral("Find and &Replace"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setDefault(true);
    m_cmdCancel = new QPushButton(QStringLiteral("Close"), this);
    m_cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto* type = new QHBoxLayout;
    type->addWidget(m_lblType);
    type->addWidget(m_cboType, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdOK);
    buttons->addWidget(m_cmdCancel);
    auto* layout = new QGridLayout(this);
    layout->addLayout(type, 0, 0);
    layout->addWidget(m_lblFind, 1, 0);
    layout->addWidget(m_lblReplace, 1, 1);
    layout->addWidget(m_lstFind, 2, 0);
    layout->addWidget(m_lstReplace, 2, 1);
    layout->addLayout(buttons, 3, 0, 1, 2);

    connect(m_cboType, &QComboBox::activated, this, &frmReplace::cboType_Click);
    connect(m_cmdOK, &QPushButton::clicked, this, &frmReplace::cmdOK_Click);
    connect(m_cmdCancel, &QPushButton::clicked, this, &frmReplace::cmdCancel_Click);
}

bool frmReplace::Form_Load() {
    const ActiveTimetable active = m_main.activeTimetable();
    if (!active)
        return false;
    const QString& viewBy = active.view->viewBy;
    for (const NameLists::List list : {NameLists::Tutor, NameLists::Room, NameLists::Class}) {
        const QString kind = NameLists::tableName(list);
        if (viewBy != kind)
            m_cboType->addItem(kind, int(list));
    }
    m_cboType->addItem(NameLists::tableName(NameLists::Subject), int(NameLists::Subject));
    m_cboType->setCurrentIndex(0);
    cboType_Click();
    return true;
}

std::optional<NameLists::List> frmReplace::chosenList() const {
    if (m_cboType->currentIndex() < 0)
        return std::nullopt;
    return NameLists::List(m_cboType->currentData().toInt());
}

void frmReplace::cboType_Click() {
    m_lstFind->clear();
    m_lstReplace->clear();
    const std::optional<NameLists::List> list = chosenList();
    if (!list)
        return;
    Result<QList<NameLists::Entry>> entries = NameLists::readAll(m_main.state().db(), *list);
    if (!entries) {
        reportError(QStringLiteral("The list could not be read."), entries.error(), this);
        return;
    }
    for (const NameLists::Entry& entry : entries.value()) {
        for (QListWidget* target : {m_lstFind, m_lstReplace}) {
            auto* item = new QListWidgetItem(entry.name, target);
            item->setData(Qt::UserRole, entry.id);
        }
    }
}

void frmReplace::cmdOK_Click() {
    if (frmTableWindow* f = m_main.activeTableWindow())
        FindAndReplace(*f);
}

void frmReplace::cmdCancel_Click() {
    close();
}

void frmReplace::FindAndReplace(frmTableWindow& f) {
    const std::optional<NameLists::List> list = chosenList();
    const std::optional<int> findId = selectedId(*m_lstFind);
    const std::optional<int> replaceId = selectedId(*m_lstReplace);
    // Each cell is written as the active window's current cell.
    if (!list || !findId || !replaceId || *findId == *replaceId || &f != m_main.activeTableWindow())
        return;
    const DBConnection& db = m_main.state().db();
    const ActiveTimetable shown = ActiveTimetable::of(f, db);
    // A timetable's own kind is the same in every cell: there is nothing to replace.
    if (!shown || !shown.view->kind() || NameLists::ownerKind(*list) == shown.view->kind())
        return;
    Result<TimetableSlots> stored = TimetableSlots::read(db, *shown.view);
    if (!stored) {
        reportError(NotReplaced, stored.error(), this);
        return;
    }
    const std::optional<QList<Match>> matches = findMatches(f.g(), stored.value(), *list, *findId);
    if (!matches) {
        MsgBox(NotReplaced +
                   QStringLiteral(" A day or a period of the timetable is no longer stored."),
               vb::vbCritical, this);
        return;
    }
    WaitCursor wait;
    if (writeCellsAllOrNothing(m_main, f, NotReplaced,
                               [&] { return replaceCells(f, *matches, *list, *replaceId); }))
        close();
}

std::optional<QList<frmReplace::Match>> frmReplace::findMatches(const FlexGrid& g,
                                                                const TimetableSlots& stored,
                                                                NameLists::List list, int findId) {
    for (int r = 1; r < g.Rows(); ++r) {
        if (!stored.hasDay(g.RowData(r)))
            return std::nullopt;
    }
    for (int c = 1; c < g.Cols(); ++c) {
        if (!stored.hasPeriod(g.ColData(c)))
            return std::nullopt;
    }
    QList<Match> matches;
    for (int r = 1; r < g.Rows(); ++r) {
        for (int c = 1; c < g.Cols(); ++c) {
            const std::optional<SlotRow> row = stored.rowAt(g.RowData(r), g.ColData(c));
            // Special periods hold none of the items, whatever their other ids say.
            if (row && row->ids.specialId == Ordinary && idIn(row->ids, list) == findId)
                matches << Match{r, c, row->ids};
        }
    }
    return matches;
}

bool frmReplace::replaceCells(frmTableWindow& f, const QList<Match>& matches, NameLists::List list,
                              int replaceId) {
    ModMain& state = m_main.state();
    FlexGrid& g = f.g();
    {
        // The walk moves the current cell quietly and loads each match from the rows read
        // for it; the lists then show the user's own cell again.
        FlagGuard quiet(state.GridEventsEnabled, false);
        RedrawOff redrawOff(g);
        KeepSelection keep(g);
        for (const Match& match : matches) {
            g.setCol(match.col);
            g.setRow(match.row);
            f.ShowInLists(match.ids);
            // The click on the replacement writes the cell, clash check included.
            TreeBars& bars = m_main.picLeftBar();
            if (!m_main.cellEditor().writeThroughClick(
                    [&] { bars.SelectTreeBarNodeById(list, replaceId); }))
                return false;
        }
    }
    f.ClickMyGrid();
    return true;
}
