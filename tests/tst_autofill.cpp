#include "TestData.h"
#include "TestFixture.h"
#include "WizardScript.h"

#include "app/CellEditor.h"
#include "app/MainMenus.h"
#include "app/TreeBars.h"
#include "app/frmMain.h"
#include "app/frmTableWindow.h"
#include "data/AutoFillStore.h"
#include "data/TimetableContent.h"
#include "platform/FlexGrid.h"
#include "setup/AutoFillChoicePage.h"
#include "setup/AutoFillSubjectsPage.h"
#include "setup/SetupCommands.h"
#include "setup/WizardWelcomePage.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>

using namespace TestData;

namespace {

// 7A's timetable of Mon and Tue by 9:00 and 10:00. Bob, then Ann, teach Maths; nobody English.
struct School : SmallSchool {
    int timetable = 0;
    GridIds grid;
    AutoFillAnswers answers;
};

School makeSchool(TestFixture& f) {
    School s{addSmallSchool(f.db()), 0, {}, {}};
    s.timetable =
        addTimetable(f.db(), "Class", s.c7A, {"Mon", "Tue"}, {{"09:00:00"}, {"10:00:00"}});
    s.grid = GridIds{dayIds(f.db(), s.timetable), columnIds(f.db(), s.timetable)};
    for (int tutor : {s.bob, s.ann}) {
        if (!f.db().insertRow("SubjectsTaughtByTutor",
                              {{"TutorID", tutor}, {"SubjectID", s.maths}}))
            qFatal("cannot pair the tutors");
    }
    s.answers.roomIds = {s.r1, s.r2};
    s.answers.tutorIds = {s.ann, s.bob};
    return s;
}

// "Bob Maths R1" for the first row 7A holds at the time; "special 2" for a special period;
// "" for no row or an empty one.
QString lessonAt(TestFixture& f, const School& s, const QString& start, const QString& dow) {
    Result<std::optional<QSqlRecord>> row = f.db().firstRow(
        "SELECT Tutor.Name, Subject.Name, Room.Name, Slot.SpecialID FROM Slot "
        "JOIN Tutor ON Tutor.ID = Slot.TutorID JOIN Subject ON Subject.ID = Slot.SubjectID "
        "JOIN Room ON Room.ID = Slot.RoomID "
        "WHERE StartTime = ? AND DOW = ? AND ClassID = ? ORDER BY Slot.ID",
        {start, dow, s.c7A});
    if (!row || !row.value())
        return {};
    if (row.value()->value(3).toInt() != 1)
        return "special " + row.value()->value(3).toString();
    QStringList names;
    for (int i = 0; i < 3; ++i)
        names << row.value()->value(i).toString();
    return names.join(' ').trimmed();
}

// The four cells in walking order: Mon 9:00, Mon 10:00, Tue 9:00, Tue 10:00.
QStringList lessons(TestFixture& f, const School& s) {
    QStringList found;
    for (const char* dow : {"Mon", "Tue"})
        for (const char* start : {"09:00:00", "10:00:00"})
            found << lessonAt(f, s, start, dow);
    return found;
}

// Hands out the scripted draws and counts any asked for beyond them (answered with 0).
struct Draws {
    QList<double> script;
    int beyond = 0;
    double operator()() {
        if (script.isEmpty()) {
            ++beyond;
            return 0.0;
        }
        return script.takeFirst();
    }
};

Result<AutoFillOutcome> fillWith(TestFixture& f, const School& s, const QList<int>& pool,
                                 Draws& draws) {
    return AutoFillStore::fill(f.db(), s.timetable, s.grid, pool, s.answers,
                               [&draws] { return draws(); });
}

WizardScript::Action pressing(const char* button) {
    return [button](QDialog& page) { press(page, button); };
}

AutoFillSubjectsPage& subjectsPage(QDialog& page) {
    return static_cast<AutoFillSubjectsPage&>(page);
}

void add(QDialog& page, const QString& subject, int periods) {
    AutoFillSubjectsPage& subjects = subjectsPage(page);
    subjects.cboSubjects().setCurrentText(subject);
    subjects.cboPeriods().setCurrentText(QString::number(periods));
    press(page, "cmdAdd");
}

QStringList rows(const QListWidget& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts << list.item(i)->text();
    return texts;
}

QStringList selectedRows(const QListWidget& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i) {
        if (list.item(i)->isSelected())
            texts << list.item(i)->text();
    }
    return texts;
}

QListWidget& listOf(QDialog& page) {
    return static_cast<AutoFillChoicePage&>(page).list();
}

QString counters(QDialog& page) {
    return page.findChild<QLabel*>("lblPeriodsAvailable")->text() + "/" +
           page.findChild<QLabel*>("lblPeriodsFilled")->text();
}

// Welcome, then the subjects as the action leaves them, every room, every preselected tutor,
// Finish.
void runWizard(TestFixture& f, const WizardScript::Action& onSubjects) {
    WizardScript script;
    script.then(pressing("cmdNext")).then([&](QDialog& page) {
        onSubjects(page);
        press(page, "cmdNext");
    });
    script.then(pressing("cmdNext")).then(pressing("cmdNext")).then(pressing("cmdNext"));
    f.setupCommands().mnuToolsAutoFill_Click();
    QVERIFY(script.finished());
    QCOMPARE(script.unexpected, 0);
}

} // namespace

class tst_autofill : public QObject {
    Q_OBJECT

private slots:
    void drawsPickEveryIndexAndStayInTheList();
    void fillsInWalkingOrderFromTheShuffledPool();
    void poolSizes_data();
    void poolSizes();
    void aClashUsesUpItsEntryAndLeavesTheCellFree();
    void keepsLessonsAndSpecialPeriodsAndReusesEmptyRows();
    void resourcesOwnEmptyRows_data();
    void resourcesOwnEmptyRows();
    void noRoomOrNoTutorWritesNothing();

    void wholeRunShowsTheLessonsEverywhereAndDropsUndo();
    void clashesAreToldOnceAtTheEnd();
    void aFailedWriteLeavesNothingAndSaysSo();
    void onlyAClassTimetableIsFilled();
    void cancelWritesNothingAndTheNextRunStartsEmpty();
    void welcomeSkippedForTheRestOfTheRun();

    void countersOfTheTimetable();
    void addAndRemoveMoveTheCounters();
    void refusals();
    void addWithoutSubjectsDoesNothing();
    void backKeepsTheChoicesAndRoomsPreselect();
    void tutorsPreselectedByTheirSubjects();
};

void tst_autofill::drawsPickEveryIndexAndStayInTheList() {
    QCOMPARE(drawIndex(0.0, 3), 0);
    QCOMPARE(drawIndex(0.34, 3), 1);
    QCOMPARE(drawIndex(0.999, 3), 2);
    QCOMPARE(drawIndex(1.0, 3), 2);
    QList<int> one{7};
    int drawn = 0;
    RandomizeArray(one, [&drawn] {
        ++drawn;
        return 0.9;
    });
    QCOMPARE(one, QList<int>{7});
    QCOMPARE(drawn, 1);
}

void tst_autofill::fillsInWalkingOrderFromTheShuffledPool() {
    TestFixture f;
    School s = makeSchool(f);
    s.answers.subjectIds = {s.maths, s.english};
    s.answers.subjectPeriods = {2, 2};
    QList<int> pool = s.answers.subjectPool();
    QCOMPARE(pool, (QList<int>{s.maths, s.maths, s.english, s.english}));
    // The last entry swaps with the first; the others stay.
    Draws draws{{0.0, 0.99, 0.6, 0.5}};
    RandomizeArray(pool, [&draws] { return draws(); });
    QCOMPARE(pool, (QList<int>{s.english, s.maths, s.english, s.maths}));

    // English: the tutor's draw, then the room's; Maths: Bob, who comes first in the pairs,
    // and the room's draw alone. A draw of 1 takes the last room.
    draws.script = {0.6, 0.0, 1.0, 0.0, 0.5, 0.2};
    Result<AutoFillOutcome> outcome = fillWith(f, s, pool, draws);
    QVERIFY(outcome);
    QCOMPARE(outcome.value().written, 4);
    QVERIFY(!outcome.value().clashed);
    QCOMPARE(lessons(f, s),
             (QStringList{"Bob English R1", "Bob Maths R2", "Ann English R2", "Bob Maths R1"}));
    QVERIFY(draws.script.isEmpty());
    QCOMPARE(draws.beyond, 0);
    // New rows are ordinary periods lasting their period, at the stored time form.
    QCOMPARE(scalar(f.db(), "SELECT COUNT(*) FROM Slot WHERE SpecialID = 1 AND Duration = 40 AND "
                            "StartTime IN ('09:00:00', '10:00:00')"),
             4);
}

void tst_autofill::poolSizes_data() {
    QTest::addColumn<int>("periods");
    QTest::addColumn<QStringList>("filled");
    QTest::newRow("smaller than the free cells")
        << 2 << QStringList{"Bob Maths R1", "Bob Maths R1", "", ""};
    QTest::newRow("larger than the free cells") << 7 << QStringList(4, "Bob Maths R1");
}

void tst_autofill::poolSizes() {
    QFETCH(int, periods);
    QFETCH(QStringList, filled);
    TestFixture f;
    const School s = makeSchool(f);
    Draws draws;
    Result<AutoFillOutcome> outcome = fillWith(f, s, QList<int>(periods, s.maths), draws);
    QVERIFY(outcome);
    QVERIFY(!outcome.value().clashed);
    QCOMPARE(lessons(f, s), filled);
    // One room draw per filled cell, none once the pool or the cells ran out.
    QCOMPARE(draws.beyond, int(filled.count("Bob Maths R1")));
}

void tst_autofill::aClashUsesUpItsEntryAndLeavesTheCellFree() {
    TestFixture f;
    School s = makeSchool(f);
    addSlot(f.db(), {"09:00:00", "Mon", s.c7B, s.bob, s.r2, s.english, 1});
    const int before = slotCount(f.db());
    Draws draws;
    Result<AutoFillOutcome> outcome = fillWith(f, s, QList<int>(4, s.maths), draws);
    QVERIFY(outcome);
    QVERIFY(outcome.value().clashed);
    QCOMPARE(outcome.value().written, 3);
    QCOMPARE(lessons(f, s), (QStringList{"", "Bob Maths R1", "Bob Maths R1", "Bob Maths R1"}));
    QCOMPARE(slotCount(f.db()), before + 3);
}

void tst_autofill::keepsLessonsAndSpecialPeriodsAndReusesEmptyRows() {
    TestFixture f;
    School s = makeSchool(f);
    addSlot(f.db(), {"09:00:00", "Mon", s.c7A, s.ann, s.r2, s.english, 1});
    addSlot(f.db(), {"10:00:00", "Mon", s.c7A, 1, 1, 1, 2});
    const int emptyRow = addSlot(f.db(), {"09:00:00", "Tue", s.c7A, 1, 1, 1, 1});
    Draws draws;
    Result<AutoFillOutcome> outcome = fillWith(f, s, QList<int>(3, s.maths), draws);
    QVERIFY(outcome);
    QCOMPARE(outcome.value().written, 2);
    QCOMPARE(lessons(f, s),
             (QStringList{"Ann English R2", "special 2", "Bob Maths R1", "Bob Maths R1"}));
    QCOMPARE(classSlotText(f.db(), "09:00:00", "Tue", s.c7A),
             QString("%1,%2,%3,%4,1").arg(s.c7A).arg(s.bob).arg(s.r1).arg(s.maths));
    QCOMPARE(scalar(f.db(), "SELECT TutorID FROM Slot WHERE ID = ?", {emptyRow}), s.bob);
    QCOMPARE(slotCount(f.db()), 4);
}

void tst_autofill::resourcesOwnEmptyRows_data() {
    QTest::addColumn<bool>("classRow");    // 7A has its own empty row at Mon 9:00
    QTest::addColumn<int>("tutorSubject"); // Bob's own row there names this subject (0: none)
    QTest::addColumn<bool>("roomRow");     // R1 has its own empty row there too
    QTest::addColumn<bool>("filled");
    QTest::addColumn<int>("rowsAfter");
    QTest::newRow("the tutor's row becomes the lesson") << false << 1 << false << true << 1;
    QTest::newRow("the class's row takes it, the tutor's goes") << true << 1 << false << true << 1;
    QTest::newRow("a row naming a subject stays") << false << 2 << false << false << 1;
    QTest::newRow("two such rows stay") << false << 1 << true << false << 2;
    QTest::newRow("the room's row alone") << false << 0 << true << true << 1;
}

void tst_autofill::resourcesOwnEmptyRows() {
    QFETCH(bool, classRow);
    QFETCH(int, tutorSubject);
    QFETCH(bool, roomRow);
    QFETCH(bool, filled);
    QFETCH(int, rowsAfter);
    TestFixture f;
    School s = makeSchool(f);
    s.answers.roomIds = {s.r1};
    s.answers.tutorIds = {s.bob};
    const int own = classRow ? addSlot(f.db(), {"09:00:00", "Mon", s.c7A}) : 0;
    const int tutors =
        tutorSubject
            ? addSlot(f.db(), {"09:00:00", "Mon", 1, s.bob, 1, tutorSubject == 1 ? 1 : s.english})
            : 0;
    const int rooms = roomRow ? addSlot(f.db(), {"09:00:00", "Mon", 1, 1, s.r1}) : 0;
    Draws draws;
    Result<AutoFillOutcome> outcome = fillWith(f, s, {s.maths}, draws);
    QVERIFY(outcome);
    QCOMPARE(outcome.value().clashed, !filled);
    QCOMPARE(lessonAt(f, s, "09:00:00", "Mon"), filled ? "Bob Maths R1" : "");
    QCOMPARE(slotCount(f.db()), rowsAfter + (filled ? 0 : int(classRow)));
    if (filled) {
        // The row that shows the lesson in Bob's and R1's timetables is the one stored.
        const int kept = own ? own : tutors ? tutors : rooms;
        QCOMPARE(scalar(f.db(), "SELECT ClassID FROM Slot WHERE ID = ?", {kept}), s.c7A);
    }
}

void tst_autofill::noRoomOrNoTutorWritesNothing() {
    TestFixture f;
    School s = makeSchool(f);
    Draws draws;
    for (QList<int>* chosen : {&s.answers.roomIds, &s.answers.tutorIds}) {
        const QList<int> kept = *chosen;
        chosen->clear();
        Result<AutoFillOutcome> outcome = fillWith(f, s, {s.maths}, draws);
        QVERIFY(outcome);
        QCOMPARE(outcome.value().written, 0);
        *chosen = kept;
    }
    QCOMPARE(slotCount(f.db()), 0);
}

void tst_autofill::wholeRunShowsTheLessonsEverywhereAndDropsUndo() {
    TestFixture f;
    const School s = makeSchool(f);
    QVERIFY(f.db().run("UPDATE TimeTableView SET ColHeadForeground = '255' WHERE ID = ?",
                       {s.timetable}));
    const int bobs = addTimetable(f.db(), "Tutor", s.bob, {"Mon"}, {{"09:00:00"}, {"10:00:00"}});
    f.openTimetable(bobs);
    frmTableWindow* w = f.openTimetable(s.timetable);
    f.main().cellEditor().restoreUndo({SlotUndo{}, true});
    QVERIFY(f.main().menus().item("mnuEditUndo")->isEnabled());
    seams().rnd = [] { return 0.0; };
    runWizard(f, [](QDialog& page) { add(page, "Maths", 3); });

    QCOMPARE(lessons(f, s), (QStringList{"Bob Maths R1", "Bob Maths R1", "Bob Maths R1", ""}));
    FlexGrid& g = w->g();
    QCOMPARE(g.TextMatrix(1, 2),
             TimetableStore::formatSlotText("Bob", "Maths", "R1", "7A", "Class"));
    QCOMPARE(g.TextMatrix(2, 2), QString());
    QCOMPARE(g.Row(), 1);
    QCOMPARE(g.Col(), 1);
    g.setCol(2);
    QCOMPARE(g.CellForeColor(), std::optional<QColor>(QColor(255, 0, 0)));
    g.setCol(1);
    QVERIFY(!f.main().cellEditor().undoState().record);
    QVERIFY(!f.main().menus().item("mnuEditUndo")->isEnabled());
    // The lists show the current cell's lesson, so the next click keeps its other names.
    QCOMPARE(f.main().picLeftBar().selectedId(TreeBars::Tutors), s.bob);
    QCOMPARE(f.main().picLeftBar().selectedId(TreeBars::Rooms), s.r1);
    QVERIFY(f.boxes.calls.isEmpty());
    frmTableWindow* bobsWindow = f.activateOpen(bobs);
    QVERIFY(bobsWindow);
    QCOMPARE(bobsWindow->g().TextMatrix(1, 1),
             TimetableStore::formatSlotText("Bob", "Maths", "R1", "7A", "Tutor"));
}

void tst_autofill::clashesAreToldOnceAtTheEnd() {
    TestFixture f;
    const School s = makeSchool(f);
    for (const char* dow : {"Mon", "Tue"})
        addSlot(f.db(), {"09:00:00", dow, s.c7B, s.bob, s.r2, s.english, 1});
    f.openTimetable(s.timetable);
    seams().rnd = [] { return 0.0; };
    runWizard(f, [](QDialog& page) { add(page, "Maths", 4); });
    QCOMPARE(lessons(f, s), (QStringList{"", "Bob Maths R1", "", "Bob Maths R1"}));
    QCOMPARE(f.boxes.calls.size(), 1);
    QCOMPARE(f.boxes.last().text,
             QString("The entire timetable could not be populated due to clashes. The remaining "
                     "blank periods will need to be filled manually"));
    QCOMPARE(f.boxes.last().icon, int(vb::vbCritical));
}

void tst_autofill::aFailedWriteLeavesNothingAndSaysSo() {
    TestFixture f;
    const School s = makeSchool(f);
    const int emptyRow = addSlot(f.db(), {"09:00:00", "Mon", s.c7A});
    frmTableWindow* w = f.openTimetable(s.timetable);
    const QString emptyCell = w->g().TextMatrix(1, 1);
    QVERIFY(f.db().run(
        "CREATE TRIGGER refuse BEFORE INSERT ON Slot BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
    seams().rnd = [] { return 0.0; };
    runWizard(f, [](QDialog& page) { add(page, "Maths", 2); });
    QCOMPARE(f.boxes.calls.size(), 1);
    QCOMPARE(f.boxes.last().icon, int(vb::vbCritical));
    QVERIFY(f.boxes.last().text.contains("The timetable could not be filled."));
    QVERIFY(f.boxes.last().text.contains("disk full"));
    // The empty row written first was rolled back with the rest.
    QCOMPARE(scalar(f.db(), "SELECT TutorID FROM Slot WHERE ID = ?", {emptyRow}), 1);
    QCOMPARE(slotCount(f.db()), 1);
    QCOMPARE(w->g().TextMatrix(1, 1), emptyCell);
    QCOMPARE(w->g().TextMatrix(1, 2), QString());
}

void tst_autofill::onlyAClassTimetableIsFilled() {
    TestFixture f;
    // No window at all; then a tutor's timetable, where only the toolbar button runs it.
    f.setupCommands().mnuToolsAutoFill_Click();
    const School s = makeSchool(f);
    f.openTimetable(addTimetable(f.db(), "Tutor", s.bob, {"Mon"}, {{"09:00:00"}}));
    QVERIFY(!f.main().menus().item("mnuToolsAutoFill")->isEnabled());
    f.setupCommands().mnuToolsAutoFill_Click();
    QCOMPARE(f.boxes.calls.size(), 2);
    for (const MsgBoxCall& call : f.boxes.calls) {
        QCOMPARE(call.text, QString("You are not currently viewing a class timetable. Select a "
                                    "class timetable and try again."));
        QCOMPARE(call.icon, int(vb::vbCritical));
    }
    QVERIFY(f.dialogs.isEmpty());
}

void tst_autofill::cancelWritesNothingAndTheNextRunStartsEmpty() {
    TestFixture f;
    const School s = makeSchool(f);
    f.openTimetable(s.timetable);
    {
        WizardScript script;
        script.then(pressing("cmdNext")).then([](QDialog& page) {
            add(page, "Maths", 2);
            press(page, "cmdNext");
        });
        script.then(pressing("cmdNext")).then(pressing("cmdNext")).then(pressing("cmdCancel"));
        QVERIFY(f.trigger("mnuToolsAutoFill"));
        QVERIFY(script.finished());
    }
    QCOMPARE(slotCount(f.db()), 0);
    WizardScript script;
    script.then(pressing("cmdNext")).then([](QDialog& page) {
        QCOMPARE(subjectsPage(page).lstIncludeSubjects().count(), 0);
        QCOMPARE(counters(page), QString("4/0"));
        press(page, "cmdCancel");
    });
    QVERIFY(f.trigger("mnuToolsAutoFill"));
    QVERIFY(script.finished());
}

void tst_autofill::welcomeSkippedForTheRestOfTheRun() {
    TestFixture f;
    const School s = makeSchool(f);
    f.openTimetable(s.timetable);
    {
        WizardScript script;
        script.then([](QDialog& page) {
            static_cast<WizardWelcomePage&>(page).chkDisplayNext().setChecked(false);
            press(page, "cmdNext");
        });
        script.then(pressing("cmdCancel"));
        QVERIFY(f.trigger("mnuToolsAutoFill"));
        QCOMPARE(script.shown,
                 (QStringList{"frmScr_AutoFill_Welcome", "frmScr_AutoFill_Subjects"}));
    }
    // Back from the subjects still reaches the greeting.
    WizardScript script;
    script.then(pressing("cmdBack")).then(pressing("cmdNext")).then(pressing("cmdCancel"));
    QVERIFY(f.trigger("mnuToolsAutoFill"));
    QCOMPARE(script.shown, (QStringList{"frmScr_AutoFill_Subjects", "frmScr_AutoFill_Welcome",
                                        "frmScr_AutoFill_Subjects"}));
    QVERIFY(!f.state.AutoFillShowWelcome);
}

void tst_autofill::countersOfTheTimetable() {
    TestFixture f;
    SmallSchool s = addSmallSchool(f.db());
    QList<Period> periods;
    for (int hour = 9; hour < 16; ++hour)
        periods << Period{QString("%1:00:00").arg(hour, 2, 10, QChar('0'))};
    const int id =
        addTimetable(f.db(), "Class", s.c7A, {"Mon", "Tue", "Wed", "Thu", "Fri"}, periods);
    for (const char* start : {"09:00:00", "10:00:00", "11:00:00"})
        addSlot(f.db(), {start, "Mon", s.c7A, s.ann, s.r1, s.maths});
    addSlot(f.db(), {"12:00:00", "Tue", s.c7A, 1, 1, 1, 3});
    for (const char* dow : {"Wed", "Thu"})
        addSlot(f.db(), {"09:00:00", dow, s.c7A});
    // Rows of other classes and a tutor's own empty row do not count.
    addSlot(f.db(), {"13:00:00", "Fri", s.c7B, s.bob, s.r2, s.english});
    addSlot(f.db(), {"14:00:00", "Fri", 1, s.bob});
    Result<PeriodCount> count =
        AutoFillStore::countPeriods(f.db(), id, GridIds{dayIds(f.db(), id), columnIds(f.db(), id)});
    QVERIFY(count);
    QCOMPARE(count.value().available, 31);
    QCOMPARE(count.value().filled, 4);
    f.openTimetable(id);
    WizardScript script;
    script.then(pressing("cmdNext")).then([](QDialog& page) {
        QCOMPARE(counters(page), QString("31/4"));
        press(page, "cmdCancel");
    });
    QVERIFY(f.trigger("mnuToolsAutoFill"));
}

void tst_autofill::addAndRemoveMoveTheCounters() {
    TestFixture f;
    const School s = makeSchool(f);
    addName(f.db(), "Subject", "Art (fill 2");
    f.openTimetable(s.timetable);
    WizardScript script;
    script.then(pressing("cmdNext")).then([](QDialog& page) {
        AutoFillSubjectsPage& subjects = subjectsPage(page);
        QCOMPARE(subjects.cboSubjects().currentText(), QString("Art (fill 2"));
        QCOMPARE(subjects.cboPeriods().count(), 10);
        QCOMPARE(subjects.cboPeriods().currentText(), QString("1"));
        add(page, "Maths", 1);
        QCOMPARE(rows(subjects.lstIncludeSubjects()), QStringList{"Maths (fill 1 period)"});
        add(page, "Maths", 2);
        add(page, "Art (fill 2", 1);
        QCOMPARE(rows(subjects.lstIncludeSubjects()),
                 (QStringList{"Maths (fill 3 periods)", "Art (fill 2 (fill 1 period)"}));
        QCOMPARE(counters(page), QString("0/4"));
        subjects.lstIncludeSubjects().setCurrentRow(1); // as a click chooses it
        press(page, "cmdRemove");
        QCOMPARE(counters(page), QString("1/3"));
        QVERIFY(subjects.lstIncludeSubjects().selectedItems().isEmpty());
        subjects.lstIncludeSubjects().item(0)->setSelected(true);
        press(page, "cmdRemove");
        QCOMPARE(counters(page), QString("4/0"));
        QCOMPARE(subjects.lstIncludeSubjects().count(), 0);
        press(page, "cmdCancel");
    });
    QVERIFY(f.trigger("mnuToolsAutoFill"));
    QVERIFY(f.boxes.calls.isEmpty());
}

void tst_autofill::refusals() {
    TestFixture f;
    const School s = makeSchool(f);
    QVERIFY(f.db().run("DELETE FROM XTitle WHERE StartTime = '10:00:00'"));
    f.openTimetable(s.timetable);
    WizardScript script;
    script.then(pressing("cmdNext")).then([&f](QDialog& page) {
        AutoFillSubjectsPage& subjects = subjectsPage(page);
        press(page, "cmdNext");
        press(page, "cmdRemove");
        add(page, "Maths", 3);
        add(page, "Maths", 1);
        add(page, "Maths", 3);
        QCOMPARE(rows(subjects.lstIncludeSubjects()), QStringList{"Maths (fill 1 period)"});
        QCOMPARE(counters(page), QString("1/1"));
        add(page, "Maths", 1);
        QCOMPARE(rows(subjects.lstIncludeSubjects()), QStringList{"Maths (fill 2 periods)"});
        QCOMPARE(counters(page), QString("0/2"));
        QStringList texts;
        for (const MsgBoxCall& call : f.boxes.calls) {
            QCOMPARE(call.icon, int(vb::vbCritical));
            texts << call.text;
        }
        QCOMPARE(texts,
                 (QStringList{"Please select some Subjects to fill the timetable with.",
                              "Please select an item to remove.",
                              "Their is not enough room to add this Subject. To add this Subject, "
                              "first remove some existing entries.",
                              "Their is not enough space to add this Subject. To add this "
                              "Subject, first remove some existing Subjects."}));
        press(page, "cmdNext");
    });
    script.then([&f](QDialog& page) {
        listOf(page).clearSelection();
        press(page, "cmdNext");
        QCOMPARE(f.boxes.last().text,
                 QString("Please select some Rooms to fill the timetable with."));
        listOf(page).item(0)->setSelected(true);
        press(page, "cmdNext");
    });
    script.then([&f](QDialog& page) {
        listOf(page).clearSelection();
        press(page, "cmdNext");
        QCOMPARE(f.boxes.last().text,
                 QString("Please select some Tutors to fill the timetable with."));
        press(page, "cmdCancel");
    });
    QVERIFY(f.trigger("mnuToolsAutoFill"));
    QVERIFY(script.finished());
    QCOMPARE(script.stayedOpen, QStringList{});
    QCOMPARE(f.boxes.calls.size(), 6);
}

void tst_autofill::addWithoutSubjectsDoesNothing() {
    TestFixture f;
    const School s = makeSchool(f);
    QVERIFY(f.db().run("DELETE FROM Subject WHERE ID <> 1"));
    f.openTimetable(s.timetable);
    WizardScript script;
    script.then(pressing("cmdNext")).then([](QDialog& page) {
        QCOMPARE(subjectsPage(page).cboSubjects().count(), 0);
        press(page, "cmdAdd");
        QCOMPARE(subjectsPage(page).lstIncludeSubjects().count(), 0);
        QCOMPARE(counters(page), QString("4/0"));
        press(page, "cmdCancel");
    });
    QVERIFY(f.trigger("mnuToolsAutoFill"));
    QVERIFY(script.finished());
    QVERIFY(f.boxes.calls.isEmpty());
}

void tst_autofill::backKeepsTheChoicesAndRoomsPreselect() {
    TestFixture f;
    const School s = makeSchool(f);
    addName(f.db(), "Room", "R3");
    f.openTimetable(s.timetable);
    WizardScript script;
    script.then(pressing("cmdNext")).then([](QDialog& page) {
        add(page, "English", 2);
        add(page, "Maths", 1);
        press(page, "cmdNext");
    });
    script.then([](QDialog& page) {
        QListWidget& rooms = listOf(page);
        QCOMPARE(selectedRows(rooms), (QStringList{"R1", "R2", "R3"}));
        QCOMPARE(rooms.currentRow(), -1);
        rooms.item(1)->setSelected(false);
        press(page, "cmdNext");
    });
    script.then(pressing("cmdBack"));
    script.then([](QDialog& page) {
        QCOMPARE(selectedRows(listOf(page)), (QStringList{"R1", "R3"}));
        listOf(page).item(0)->setSelected(false); // changed, then left by Back: not stored
        press(page, "cmdBack");
    });
    script.then([](QDialog& page) {
        QCOMPARE(rows(subjectsPage(page).lstIncludeSubjects()),
                 (QStringList{"English (fill 2 periods)", "Maths (fill 1 period)"}));
        QCOMPARE(counters(page), QString("1/3"));
        press(page, "cmdNext");
    });
    script.then([](QDialog& page) {
        QCOMPARE(selectedRows(listOf(page)), (QStringList{"R1", "R3"}));
        press(page, "cmdCancel");
    });
    QVERIFY(f.trigger("mnuToolsAutoFill"));
    QVERIFY(script.finished());
    QCOMPARE(script.unexpected, 0);
}

void tst_autofill::tutorsPreselectedByTheirSubjects() {
    TestFixture f;
    const School s = makeSchool(f);
    addName(f.db(), "Tutor", "Cy");
    const int chemistry = addName(f.db(), "Subject", "Chemistry");
    QVERIFY(
        f.db().insertRow("SubjectsTaughtByTutor", {{"TutorID", s.ann}, {"SubjectID", chemistry}}));
    addName(f.db(), "Subject", "Drama");
    f.openTimetable(s.timetable);
    WizardScript script;
    const auto choose = [](const QString& subject) {
        return [subject](QDialog& page) {
            subjectsPage(page).lstIncludeSubjects().clear();
            add(page, subject, 1);
            press(page, "cmdNext");
        };
    };
    script.then(pressing("cmdNext")).then(choose("Chemistry")).then(pressing("cmdNext"));
    script.then([](QDialog& page) {
        QCOMPARE(selectedRows(listOf(page)), QStringList{"Ann"});
        press(page, "cmdBack");
    });
    script.then(pressing("cmdBack")).then(choose("Drama")).then(pressing("cmdNext"));
    script.then([](QDialog& page) {
        // Nobody teaches Drama: every tutor on the first showing; the choice made, afterwards.
        QListWidget& tutors = listOf(page);
        QCOMPARE(selectedRows(tutors), (QStringList{"Ann", "Bob", "Cy"}));
        tutors.item(0)->setSelected(false);
        press(page, "cmdNext");
    });
    script.then(pressing("cmdBack"));
    script.then([](QDialog& page) {
        QCOMPARE(selectedRows(listOf(page)), (QStringList{"Bob", "Cy"}));
        press(page, "cmdCancel");
    });
    QVERIFY(f.trigger("mnuToolsAutoFill"));
    QVERIFY(script.finished());
    QCOMPARE(script.unexpected, 0);
}

QTEST_MAIN(tst_autofill)
#include "tst_autofill.moc"
