#include "AutoFill.h"

#include "AutoFillChoicePage.h"
#include "AutoFillSubjectsPage.h"
#include "WizardDriver.h"
#include "WizardWelcomePage.h"
#include "app/ActiveTimetable.h"
#include "app/CellEditor.h"
#include "app/ErrorReport.h"
#include "app/ModMain.h"
#include "app/TimetableDrawing.h"
#include "app/WindowRedraws.h"
#include "app/frmMain.h"
#include "app/frmTableWindow.h"
#include "data/TimetableContent.h"
#include "data/TimetableSlots.h"
#include "platform/FlexGrid.h"
#include "platform/MsgBox.h"
#include "platform/ProgramInfo.h"
#include "platform/WaitCursor.h"

#include <QSet>
#include <QVBoxLayout>

namespace {

constexpr int PageCount = 5;

class FinishedPage : public WizardPage {
public:
    FinishedPage(WizardProgress& progress, QWidget* parent)
        : WizardPage(progress, Kind::Last, parent) {
        setObjectName(QStringLiteral("frmScr_AutoFill_Complete"));
        setWindowTitle(QStringLiteral("Finished"));
        addMessage(QStringLiteral("Click Finish to Auto Fill your timetable."));
        body().addStretch();
    }

protected:
    bool storeAnswers() override { return true; }
};

void tellNotAClassTimetable(QWidget* parent) {
    MsgBox(QStringLiteral("You are not currently viewing a class timetable. Select a class "
                          "timetable and try again."),
           vb::vbCritical, parent);
}

QSet<int> asSet(const QList<int>& ids) {
    return QSet<int>(ids.begin(), ids.end());
}

// The ids the grid keeps: a day per row, a period per column.
GridIds gridIdsOf(const FlexGrid& g) {
    GridIds grid;
    for (int r = 1; r < g.Rows(); ++r)
        grid.days << g.RowData(r);
    for (int c = 1; c < g.Cols(); ++c)
        grid.periods << g.ColData(c);
    return grid;
}

} // namespace

void AutoFill::run() {
    const ActiveTimetable active = m_main.activeTimetable();
    if (active.missing == ActiveTimetable::Missing::NoWindow) {
        tellNotAClassTimetable(&m_main);
        return;
    }
    if (!active)
        return; // its row is gone, or the failed read was shown
    if (active.view->viewBy != viewKindText(ViewKind::Class)) {
        tellNotAClassTimetable(&m_main);
        return;
    }
    m_answers = AutoFillAnswers{};
    m_window = active.window;
    WizardDriver driver(
        PageCount, [this](int step, WizardProgress& progress) { return makePage(step, progress); });
    if (driver.run(m_main.state().AutoFillShowWelcome) && m_window)
        DoAutoFill(*m_window, m_answers);
}

std::unique_ptr<WizardPage> AutoFill::makePage(int step, WizardProgress& progress) {
    std::unique_ptr<WizardPage> page = makeBarePage(step, progress);
    // One size for every page, so Next and Back stay under the pointer.
    if (page)
        page->setMinimumSize(540, 380);
    return page;
}

std::unique_ptr<WizardPage> AutoFill::makeBarePage(int step, WizardProgress& progress) {
    ModMain& state = m_main.state();
    switch (step) {
    case 1:
        return std::make_unique<WizardWelcomePage>(
            progress, state.AutoFillShowWelcome,
            WizardWelcomePage::Texts{
                QStringLiteral("frmScr_AutoFill_Welcome"), QStringLiteral("Auto Fill Wizard"),
                QStringLiteral("Welcome to the Auto Fill Wizard"),
                QStringLiteral("Using this wizard you can automatically fill a timetable.")},
            &m_main);
    case 2:
        return std::make_unique<AutoFillSubjectsPage>(
            progress, m_answers, state.db(), m_window->Tag(), gridIdsOf(m_window->g()), &m_main);
    case 3:
        return roomsPage(progress);
    case 4:
        return tutorsPage(progress);
    case 5:
        return std::make_unique<FinishedPage>(progress, &m_main);
    }
    return nullptr;
}

std::unique_ptr<WizardPage> AutoFill::roomsPage(WizardProgress& progress) {
    Result<QList<NameLists::Entry>> rooms =
        NameLists::readAll(m_main.state().db(), NameLists::Room);
    if (!rooms)
        reportError(QStringLiteral("The rooms could not be read."), rooms.error(), &m_main);
    return std::make_unique<AutoFillChoicePage>(progress, AutoFillChoicePage::roomTexts(),
                                                rooms ? rooms.value() : QList<NameLists::Entry>(),
                                                asSet(m_answers.roomIds), m_answers.roomIds,
                                                &m_main);
}

std::unique_ptr<WizardPage> AutoFill::tutorsPage(WizardProgress& progress) {
    const DBConnection& db = m_main.state().db();
    Result<QList<NameLists::Entry>> tutors = NameLists::readAll(db, NameLists::Tutor);
    if (!tutors)
        reportError(QStringLiteral("The tutors could not be read."), tutors.error(), &m_main);
    // Who teaches the chosen subjects comes first; the tutors chosen before only when nobody does.
    Result<QSet<int>> teaching = AutoFillStore::tutorsTeaching(db, m_answers.subjectIds);
    if (!teaching)
        reportError(QStringLiteral("The tutors' subjects could not be read."), teaching.error(),
                    &m_main);
    const QSet<int> preselected =
        teaching && !teaching.value().isEmpty() ? teaching.value() : asSet(m_answers.tutorIds);
    return std::make_unique<AutoFillChoicePage>(progress, AutoFillChoicePage::tutorTexts(),
                                                tutors ? tutors.value() : QList<NameLists::Entry>(),
                                                preselected, m_answers.tutorIds, &m_main);
}

void AutoFill::DoAutoFill(frmTableWindow& f, const AutoFillAnswers& answers) {
    ModMain& state = m_main.state();
    Result<AutoFillOutcome> outcome = AutoFillOutcome{};
    {
        WaitCursor wait;
        const std::optional<TimetableSlots> before = storedSlots(f);
        QList<int> pool = answers.subjectPool();
        RandomizeArray(pool, Rnd);
        outcome = AutoFillStore::fill(state.db(), f.Tag(), gridIdsOf(f.g()), pool, answers, Rnd);
        if (outcome) {
            redrawCells(f);
            if (before)
                showInOtherWindows(f, *before);
        }
    }
    if (!outcome) {
        // Nothing of the fill was stored, and the grid was not touched.
        reportError(QStringLiteral("The timetable could not be filled."), outcome.error(), &m_main);
        return;
    }
    // The undo record may name a row the fill has just written over.
    m_main.cellEditor().dropUndo();
    f.ClickMyGrid();
    if (outcome.value().clashed)
        MsgBox(QStringLiteral("The entire timetable could not be populated due to clashes. The "
                              "remaining blank periods will need to be filled manually"),
               vb::vbCritical, &m_main);
}

std::optional<TimetableSlots> AutoFill::storedSlots(frmTableWindow& f) {
    const ActiveTimetable shown = ActiveTimetable::of(f, m_main.state().db());
    if (!shown)
        return std::nullopt;
    Result<TimetableSlots> stored = TimetableSlots::read(m_main.state().db(), *shown.view);
    if (!stored) {
        reportError(QStringLiteral("The timetable could not be read."), stored.error(), &m_main);
        return std::nullopt;
    }
    return std::move(stored).value();
}

void AutoFill::showInOtherWindows(frmTableWindow& f, const TimetableSlots& before) {
    const std::optional<TimetableSlots> after = storedSlots(f);
    if (!after)
        return;
    const TimetableContent& drawn = f.drawn();
    const FlexGrid& g = f.g();
    WindowRedraws::Batch redrawOnce(m_main.redraws());
    for (int r = 1; r <= drawn.days.size() && r < g.Rows(); ++r) {
        for (int c = 1; c <= drawn.columns.size() && c < g.Cols(); ++c) {
            const std::optional<SlotRow> was = before.rowAt(g.RowData(r), g.ColData(c));
            const std::optional<SlotRow> now = after->rowAt(g.RowData(r), g.ColData(c));
            if (was == now)
                continue;
            m_main.redraws().cellWritten(drawn.columns[c - 1].start, drawn.days[r - 1].dow,
                                         was ? was->ids : SlotIds{}, now ? now->ids : SlotIds{},
                                         {&f});
        }
    }
}

void AutoFill::redrawCells(frmTableWindow& f) {
    Result<std::optional<TimetableContent>> read =
        TimetableStore::read(m_main.state().db(), f.Tag());
    if (!read) {
        reportError(QStringLiteral("The timetable could not be drawn."), read.error(), &m_main);
        return;
    }
    if (!read.value())
        return;
    const TimetableContent& content = *read.value();
    FlagGuard quiet(m_main.state().GridEventsEnabled, false);
    TimetableDrawing(content).redrawCells(f.g(), TimetableColors::of(content.look).colHeadFore);
}
