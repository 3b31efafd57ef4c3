#include "TestData.h"
#include "TestFixture.h"
#include "WizardScript.h"

#include "app/MainToolBar.h"
#include "app/TreeBars.h"
#include "app/frmMain.h"
#include "app/frmTableWindow.h"
#include "data/TimetableBuilder.h"
#include "data/TimetableLook.h"
#include "platform/FlexGrid.h"
#include "setup/NewTimetablePresets.h"
#include "setup/WizardPage.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QMenu>
#include <QTest>
#include <QTreeWidget>

using namespace TestData;
using Action = WizardScript::Action;

namespace {

const QStringList AllPages{"frmScr_CreateTT_Welcome", "frmScr_CreateTT_Style",
                           "frmScr_CreateTT_Type",    "frmScr_CreateTT_Who",
                           "frmScr_CreateTT_DOW",     "frmScr_CreateTT_Hours",
                           "frmScr_CreateTT_Complete"};

template <typename T> T& child(QDialog& page, const char* name) {
    T* found = page.findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("%s has no %s", qPrintable(page.objectName()), name);
    return *found;
}

Action pressing(const char* button) {
    return [button](QDialog& page) { press(page, button); };
}
const Action next = pressing("cmdNext");

Action choosing(const char* list, int row) {
    return [list, row](QDialog& page) {
        child<QListWidget>(page, list).setCurrentRow(row);
        press(page, "cmdNext");
    };
}

Action choosingKind(const QString& kind) {
    return [kind](QDialog& page) {
        auto& type = child<QComboBox>(page, "cboType");
        type.setCurrentIndex(type.findText(kind));
        press(page, "cmdNext");
    };
}

Action typingOwner(const QString& name) {
    return [name](QDialog& page) {
        child<QLineEdit>(page, "txtWho").setText(name);
        press(page, "cmdNext");
    };
}

// Next on each page, except the steps given their own actions; the further actions of a step
// answer the sub-pages it opens.
void plan(WizardScript& script, const QMap<int, QList<Action>>& steps = {}) {
    for (int step = 1; step <= AllPages.size(); ++step) {
        const QList<Action> own = steps.value(step, {next});
        for (const Action& action : own)
            script.then(action);
    }
}

int count(const DBConnection& db, const QString& table) {
    return scalar(db, QStringLiteral("SELECT COUNT(*) FROM %1").arg(table));
}

QString writtenRows(const DBConnection& db) {
    return QStringLiteral("%1 timetables, %2 periods, %3 days")
        .arg(count(db, "TimeTableView"))
        .arg(count(db, "XTitle"))
        .arg(count(db, "YTitle"));
}

QStringList rows(const DBConnection& db, const QString& sql, const QVariantList& values) {
    Result<QSqlQuery> query = db.exec(sql, values);
    if (!query)
        qFatal("%s", qPrintable(query.error().message));
    QStringList found;
    while (query.value().next()) {
        QStringList fields;
        for (int i = 0; i < query.value().record().count(); ++i)
            fields << query.value().value(i).toString();
        found << fields.join(' ');
    }
    return found;
}

QStringList periodsOf(const DBConnection& db, int timetableId) {
    return rows(db, "SELECT StartTime, Duration FROM XTitle WHERE TimeTableViewID = ? ORDER BY ID",
                {timetableId});
}

QStringList daysOf(const DBConnection& db, int timetableId) {
    return rows(db, "SELECT DOW FROM YTitle WHERE TimeTableViewID = ? ORDER BY ID", {timetableId});
}

int lastTimetable(const DBConnection& db) {
    return scalar(db, "SELECT COALESCE(MAX(ID), 0) FROM TimeTableView");
}

QStringList boxTexts(const MsgBoxRecorder& boxes) {
    QStringList texts;
    for (const MsgBoxCall& call : boxes.calls)
        texts << (call.icon == vb::vbCritical ? "critical: " : "other: ") + call.text;
    return texts;
}

QString selectedText(const QTreeWidget& tree) {
    const QList<QTreeWidgetItem*> selected = tree.selectedItems();
    return selected.isEmpty() ? QStringLiteral("(nothing)") : selected.first()->text(0);
}

} // namespace

class tst_newtimetable : public QObject {
    Q_OBJECT

private slots:
    void builderCopiesTheStyleAndWritesPeriodsInListOrder();
    void builderWithoutTheStyleWritesNothing();
    void builderFailureWritesNothing();
    void presetHours_data();
    void presetHours();
    void presetDays();

    void defaultRunOpensTheNewTimetableAsTheCurrentWindow();
    void everyPageShowsItsTexts();
    void presetsChosenOnThePages();
    void cancelOnAnyPageWritesNothing_data();
    void cancelOnAnyPageWritesNothing();
    void customDays();
    void customHours();
    void removeLeavesNoRowChosen();
    void existingTimetableIsRefused_data();
    void existingTimetableIsRefused();
    void typedNames_data();
    void typedNames();
    void newOwnerStaysAfterCancelAndTheListsKeepTheCell();
    void changeOfKindKeepsTheChosenId_data();
    void changeOfKindKeepsTheChosenId();
    void welcomeOffLastsForTheRunAndBackStillReachesIt();
    void noStyleStoredRefusesTheStylePage();
    void failedBuildWritesNothingAndOpensNoWindow();
    void tutorTimetableShowsALessonAlreadyHeld();
    void toolbarButtonRunsTheWizard();
};

void tst_newtimetable::builderCopiesTheStyleAndWritesPeriodsInListOrder() {
    TestFixture f;
    const SmallSchool s = addSmallSchool(f.db());
    const TimetableLook first = *TimetableLooks::readStyle(f.db(), 1).value();
    const TimetableLook second = *TimetableLooks::readStyle(f.db(), 2).value();
    // Later in the list but earlier in the day, then the same time again.
    const NewTimetable plan{ViewKind::Tutor,
                            s.ann,
                            2,
                            {"Tue", "Mon", "Tue"},
                            {QTime(9, 0), QTime(9, 40), QTime(9, 30), QTime(9, 30)}};
    Result<std::optional<int>> built = TimetableBuilder::build(f.db(), plan);
    QVERIFY2(built, built ? "" : qPrintable(built.error().message));
    QVERIFY(built.value());
    const int id = *built.value();

    QCOMPARE(rows(f.db(),
                  "SELECT ViewBy, '[' || Name || ']', ClassID, TutorID, RoomID, SubjectID, "
                  "FixedRowHeight, FixedColWidth FROM TimeTableView WHERE ID = ?",
                  {id}),
             QStringList{QStringLiteral("Tutor [] 1 %1 1 1 570 1200").arg(s.ann)});
    QCOMPARE(*TimetableLooks::readTimetable(f.db(), id).value(), second);
    QVERIFY(second != first); // so the copy of the chosen one is seen
    QCOMPARE(periodsOf(f.db(), id), (QStringList{"09:00:00 40", "09:40:00 -10", "09:30:00 0"}));
    QCOMPARE(rows(f.db(), "SELECT DISTINCT Width, SpecialID FROM XTitle", {}),
             QStringList{"1500 1"});
    QCOMPARE(daysOf(f.db(), id), (QStringList{"Tue", "Mon", "Tue"}));
    QCOMPARE(count(f.db(), "Slot"), 0);
}

void tst_newtimetable::builderWithoutTheStyleWritesNothing() {
    TestFixture f;
    const NewTimetable plan{ViewKind::Class, 1, 999, {"Mon"}, {QTime(9, 0), QTime(10, 0)}};
    Result<std::optional<int>> built = TimetableBuilder::build(f.db(), plan);
    QVERIFY(built);
    QVERIFY(!built.value());
    QCOMPARE(writtenRows(f.db()), QStringLiteral("0 timetables, 0 periods, 0 days"));
    QCOMPARE(f.db().transactionDepth(), 0);
}

void tst_newtimetable::builderFailureWritesNothing() {
    TestFixture f;
    // The last of the three writes fails, after the others have gone in.
    QVERIFY(f.db().run("CREATE TRIGGER no_days BEFORE INSERT ON YTitle "
                       "BEGIN SELECT RAISE(ABORT, 'disk says no'); END"));
    const NewTimetable plan{ViewKind::Class, 1, 1, {"Mon"}, {QTime(9, 0), QTime(10, 0)}};
    Result<std::optional<int>> built = TimetableBuilder::build(f.db(), plan);
    QVERIFY(!built);
    QVERIFY2(built.error().message.contains("disk says no"), qPrintable(built.error().message));
    QCOMPARE(writtenRows(f.db()), QStringLiteral("0 timetables, 0 periods, 0 days"));
    QCOMPARE(f.db().transactionDepth(), 0);
}

void tst_newtimetable::presetHours_data() {
    QTest::addColumn<int>("hours");
    QTest::addColumn<int>("increment");
    QTest::addColumn<QStringList>("boundaries");
    const auto hourly = [](int from, int to) {
        QStringList list;
        for (int h = from; h <= to; ++h)
            list << QTime(h, 0).toString("HH:mm");
        return list;
    };
    QTest::newRow("8 to 3, 60") << 0 << 0 << hourly(8, 15);
    QTest::newRow("7 to 4, 60") << 1 << 0 << hourly(7, 16);
    QTest::newRow("8 to 4, 60") << 2 << 0 << hourly(8, 16);
    QTest::newRow("9 to 5, 60") << 3 << 0 << hourly(9, 17);
    // The hour from 14:00 to 15:00 is no whole period: the last boundary is 14:00.
    QTest::newRow("8 to 3, 120") << 0 << 1 << QStringList{"08:00", "10:00", "12:00", "14:00"};
    QTest::newRow("7 to 4, 120") << 1 << 1
                                 << QStringList{"07:00", "09:00", "11:00", "13:00", "15:00"};
    QTest::newRow("8 to 4, 120") << 2 << 1
                                 << QStringList{"08:00", "10:00", "12:00", "14:00", "16:00"};
    QTest::newRow("9 to 5, 120") << 3 << 1
                                 << QStringList{"09:00", "11:00", "13:00", "15:00", "17:00"};
    QTest::newRow("out of range") << 4 << 0 << QStringList{};
}

void tst_newtimetable::presetHours() {
    QFETCH(int, hours);
    QFETCH(int, increment);
    QFETCH(QStringList, boundaries);
    QStringList made;
    for (QTime time : NewTimetablePresets::boundaries(hours, increment))
        made << time.toString("HH:mm");
    QCOMPARE(made, boundaries);
}

void tst_newtimetable::presetDays() {
    QCOMPARE(NewTimetablePresets::days(0), (QStringList{"Mon", "Tue", "Wed", "Thu", "Fri"}));
    QCOMPARE(NewTimetablePresets::days(1).size(), 7);
    QCOMPARE(NewTimetablePresets::days(1).last(), QStringLiteral("Sun"));
    QCOMPARE(NewTimetablePresets::days(2),
             (QStringList{"Wk 1 Mon", "Wk 1 Tue", "Wk 1 Wed", "Wk 1 Thu", "Wk 1 Fri", "Wk 2 Mon",
                          "Wk 2 Tue", "Wk 2 Wed", "Wk 2 Thu", "Wk 2 Fri"}));
}

void tst_newtimetable::defaultRunOpensTheNewTimetableAsTheCurrentWindow() {
    TestFixture f;
    const SmallSchool s = addSmallSchool(f.db());
    const int other = addTimetable(f.db(), "Class", s.c7B, {"Mon"}, {{"09:00:00"}});
    QVERIFY(f.activateOpen(other)); // reopened at start-up
    WizardScript script;
    plan(script);
    QVERIFY(f.trigger("mnuFileNew"));
    QCOMPARE(script.shown, AllPages);
    QCOMPARE(script.unexpected, 0);

    const int id = lastTimetable(f.db());
    QVERIFY(id != other);
    QCOMPARE(scalar(f.db(), "SELECT ClassID FROM TimeTableView WHERE ID = ?", {id}), s.c7A);
    QCOMPARE(*TimetableLooks::readTimetable(f.db(), id).value(),
             *TimetableLooks::readStyle(f.db(), 1).value());
    QCOMPARE(periodsOf(f.db(), id),
             (QStringList{"08:00:00 60", "09:00:00 60", "10:00:00 60", "11:00:00 60", "12:00:00 60",
                          "13:00:00 60", "14:00:00 60"}));
    QCOMPARE(daysOf(f.db(), id), NewTimetablePresets::days(0));

    frmTableWindow* window = f.main().activeTableWindow();
    QVERIFY(window);
    QCOMPARE(window->Tag(), id);
    QVERIFY(window->isVisible());
    // Big enough to show the whole timetable: the frame has room for it.
    QVERIFY(window->width() >= window->sizeHint().width());
    QVERIFY(window->height() >= window->sizeHint().height());
    QCOMPARE(window->windowTitle(), QStringLiteral("Class 7A"));
    QCOMPARE(window->g().Rows(), 6);
    QCOMPARE(window->g().Cols(), 8);
    QCOMPARE(window->g().TextMatrix(1, 0).toLower(), QStringLiteral("mon"));
    QCOMPARE(window->g().Row(), 1);
    QCOMPARE(window->g().Col(), 1);
    QCOMPARE(f.main().timetableWindows().size(), 2);
    QVERIFY(f.main().viewTableMenu()->findChild<QAction*>(QStringLiteral("k%1").arg(id)));
    QVERIFY(f.boxes.calls.isEmpty());
}

void tst_newtimetable::everyPageShowsItsTexts() {
    TestFixture f;
    addSmallSchool(f.db());
    QStringList seen;
    const Action reading = [&seen](QDialog& page) {
        const auto* message = page.findChild<QLabel*>("lblMessage");
        const auto* welcome = page.findChild<QLabel*>("lblWelcomeMessage");
        seen << page.windowTitle() + " | " +
                    (message   ? message->text()
                     : welcome ? welcome->text()
                               : "-");
        press(page, "cmdNext");
    };
    WizardScript script;
    plan(script, {{1, {reading}},
                  {2, {reading}},
                  {3, {reading}},
                  {4, {reading}},
                  {5, {reading}},
                  {6, {reading}},
                  {7, {reading}}});
    QVERIFY(f.trigger("mnuFileNew"));
    QCOMPARE(seen,
             (QStringList{
                 "Create Timetable Wizard | Using this wizard you can create a new timetable.",
                 "Choose the timetable style | Choose the style of your timetable.",
                 "Choose the type of timetable to create | Please select who you would like to "
                 "create this timetable for.",
                 "Select or create a Class for this timetable | Please select the Class for this "
                 "timetable.",
                 "Choose the days to include | Select the days to include in the timetable or "
                 "Click Custom for other options.",
                 "Choose the hours to include | Select the hours and increments to include in the "
                 "timetable. For more options Click Custom for other options.",
                 "Finished | Click Finish to create your timetable."}));
}

void tst_newtimetable::presetsChosenOnThePages() {
    TestFixture f;
    addSmallSchool(f.db());
    WizardScript script;
    plan(script,
         {{5, {choosing("lstDOW", 2)}}, {6, {[](QDialog& page) {
                                             child<QListWidget>(page, "lstHours").setCurrentRow(1);
                                             child<QListWidget>(page, "lstInc").setCurrentRow(1);
                                             press(page, "cmdNext");
                                         }}}});
    QVERIFY(f.trigger("mnuFileNew"));
    const int id = lastTimetable(f.db());
    QCOMPARE(daysOf(f.db(), id), NewTimetablePresets::days(2));
    QCOMPARE(periodsOf(f.db(), id),
             (QStringList{"07:00:00 120", "09:00:00 120", "11:00:00 120", "13:00:00 120"}));
}

void tst_newtimetable::cancelOnAnyPageWritesNothing_data() {
    QTest::addColumn<int>("step");
    for (int step = 1; step <= AllPages.size(); ++step)
        QTest::newRow(qPrintable(AllPages[step - 1])) << step;
}

void tst_newtimetable::cancelOnAnyPageWritesNothing() {
    QFETCH(int, step);
    TestFixture f;
    addSmallSchool(f.db());
    f.main();
    WizardScript script;
    plan(script, {{step, {pressing("cmdCancel")}}});
    QVERIFY(f.trigger("mnuFileNew"));
    QCOMPARE(script.shown, AllPages.mid(0, step));
    QCOMPARE(writtenRows(f.db()), QStringLiteral("0 timetables, 0 periods, 0 days"));
    QVERIFY(!f.main().AnyTimeTablesLoaded());
    QCOMPARE(count(f.db(), "Class"), 3);
}

void tst_newtimetable::customDays() {
    TestFixture f;
    addSmallSchool(f.db());
    WizardScript script;
    const Action openTwice = [](QDialog& page) {
        press(page, "cmdCustom"); // cancelled: this page stays
        press(page, "cmdCustom");
    };
    const Action refuseThenCancel = [](QDialog& sub) {
        press(sub, "cmdNext");
        press(sub, "cmdAdd");
        press(sub, "cmdRemove");
        press(sub, "cmdCancel");
    };
    const Action addAndTake = [](QDialog& sub) {
        auto& text = child<QLineEdit>(sub, "txtAdd");
        auto& list = child<QListWidget>(sub, "lstDOW");
        for (const QString day : {"Mon", " odd day ", "Mon", "Fri"}) {
            text.setText(day);
            press(sub, "cmdAdd");
        }
        QVERIFY(text.text().isEmpty());
        list.setCurrentRow(2);
        press(sub, "cmdRemove");
        press(sub, "cmdNext");
    };
    plan(script, {{5, {openTwice, refuseThenCancel, addAndTake}}});
    QVERIFY(f.trigger("mnuFileNew"));
    QCOMPARE(script.unexpected, 0);
    QCOMPARE(script.shown.mid(4, 4),
             (QStringList{"frmScr_CreateTT_DOW", "frmScr_CreateTT_CustomDOW",
                          "frmScr_CreateTT_CustomDOW", "frmScr_CreateTT_Hours"}));
    QCOMPARE(boxTexts(f.boxes),
             (QStringList{"critical: No days have been entered. Please enter some days to include "
                          "and try again.",
                          "critical: No day has been entered. Please enter a day name and then "
                          "try again.",
                          "critical: No day has been selected to remove. Please select a day to "
                          "remove and then try again."}));
    QCOMPARE(daysOf(f.db(), lastTimetable(f.db())), (QStringList{"Mon", " odd day ", "Fri"}));
}

void tst_newtimetable::customHours() {
    TestFixture f;
    addSmallSchool(f.db());
    QStringList listed;
    const Action custom = [&listed](QDialog& sub) {
        auto& hour = child<QComboBox>(sub, "cboHour");
        auto& list = child<QListWidget>(sub, "lstHour");
        QCOMPARE(hour.count(), 96);
        QCOMPARE(hour.itemText(0), QStringLiteral("12:00 AM"));
        QCOMPARE(hour.currentText(), QStringLiteral("8:00 AM"));
        QCOMPARE(hour.itemText(95), QStringLiteral("11:45 PM"));
        press(sub, "cmdNext"); // none yet
        const auto add = [&](const QString& typed) {
            hour.setEditText(typed);
            press(sub, "cmdAdd");
        };
        add("half past one");
        add("");
        add("1:30pm");
        press(sub, "cmdNext"); // one is not enough
        add("13:05:42");
        add("25:00");
        hour.setCurrentIndex(36);
        press(sub, "cmdAdd");
        press(sub, "cmdAdd");
        press(sub, "cmdRemove"); // nothing selected
        list.setCurrentRow(3);
        press(sub, "cmdRemove");
        QCOMPARE(hour.count(), 96); // typed text never becomes a choice
        for (int row = 0; row < list.count(); ++row)
            listed << list.item(row)->text();
        press(sub, "cmdNext");
    };
    WizardScript script;
    plan(script, {{6, {pressing("cmdCustom"), custom}}});
    QVERIFY(f.trigger("mnuFileNew"));
    QCOMPARE(script.unexpected, 0);
    QCOMPARE(listed, (QStringList{"1:30 PM", "1:05 PM", "9:00 AM"}));
    const QString invalid = "critical: The hour entered is not a valid time. Please enter a valid "
                            "time and then try again.";
    const QString tooFew = "critical: No hours have been entered. Please enter at least two times "
                           "and try again.";
    QCOMPARE(boxTexts(f.boxes),
             (QStringList{tooFew, invalid, invalid, tooFew, invalid,
                          "critical: No hour has been selected to remove. Please select an hour "
                          "to remove and then try again."}));
    // In list order: the second boundary is earlier in the day, so the first period is negative.
    QCOMPARE(periodsOf(f.db(), lastTimetable(f.db())),
             (QStringList{"13:30:00 -25", "13:05:00 -245"}));
}

void tst_newtimetable::removeLeavesNoRowChosen() {
    // A click makes a row current and selected; after Remove, a second Remove must not take
    // the next row with it.
    TestFixture f;
    addSmallSchool(f.db());
    const Action custom = [](QDialog& sub) {
        auto& text = child<QLineEdit>(sub, "txtAdd");
        auto& list = child<QListWidget>(sub, "lstDOW");
        for (const QString day : {"Mon", "Tue", "Wed"}) {
            text.setText(day);
            press(sub, "cmdAdd");
        }
        list.setCurrentRow(0);
        press(sub, "cmdRemove");
        QVERIFY(list.selectedItems().isEmpty());
        press(sub, "cmdRemove");
        QCOMPARE(list.count(), 2);
        press(sub, "cmdNext");
    };
    WizardScript script;
    plan(script, {{5, {pressing("cmdCustom"), custom}}});
    QVERIFY(f.trigger("mnuFileNew"));
    QCOMPARE(script.unexpected, 0);
    QCOMPARE(boxTexts(f.boxes),
             QStringList{"critical: No day has been selected to remove. Please select a day to "
                         "remove and then try again."});
    QCOMPARE(daysOf(f.db(), lastTimetable(f.db())), (QStringList{"Tue", "Wed"}));
}

void tst_newtimetable::existingTimetableIsRefused_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("second");
    QTest::newRow("Class") << "Class"
                           << "7B";
    QTest::newRow("Tutor") << "Tutor"
                           << "Bob";
    QTest::newRow("Room") << "Room"
                          << "R2";
}

void tst_newtimetable::existingTimetableIsRefused() {
    QFETCH(QString, kind);
    QFETCH(QString, second);
    TestFixture f;
    const SmallSchool s = addSmallSchool(f.db());
    const int first = kind == "Class" ? s.c7A : kind == "Tutor" ? s.ann : s.r1;
    addTimetable(f.db(), kind, first, {"Mon"}, {{"09:00:00"}});
    QStringList texts;
    const Action refusedThenSecond = [&](QDialog& page) {
        texts << page.windowTitle() << child<QLabel>(page, "Label30").text();
        press(page, "cmdNext"); // refused: the page stays
        auto& who = child<QComboBox>(page, "cboWho");
        who.setCurrentIndex(who.findText(second));
        press(page, "cmdNext");
    };
    WizardScript script;
    plan(script, {{3, {choosingKind(kind)}}, {4, {refusedThenSecond}}});
    QVERIFY(f.trigger("mnuFileNew"));
    QCOMPARE(script.shown, AllPages);
    QCOMPARE(texts,
             (QStringList{QStringLiteral("Select or create a %1 for this timetable").arg(kind),
                          QStringLiteral("Select a %1:").arg(kind)}));
    QCOMPARE(boxTexts(f.boxes),
             QStringList{QStringLiteral("critical: A timetable already exists for this %1. To view "
                                        "and change the timetable select it from the View Table "
                                        "button on the main window.")
                             .arg(kind)});
    QCOMPARE(f.main().activeTableWindow()->windowTitle(), kind + " " + second);
}

void tst_newtimetable::typedNames_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("classesAdded");
    QTest::newRow("an entry exactly") << "7B" << 0;
    QTest::newRow("another case") << "7b" << 1;
    QTest::newRow("with a space") << "7B " << 1;
    QTest::newRow("the create item's text") << "Create new..." << 1;
}

void tst_newtimetable::typedNames() {
    QFETCH(QString, typed);
    QFETCH(int, classesAdded);
    TestFixture f;
    addSmallSchool(f.db());
    const int classesBefore = count(f.db(), "Class");
    QString chosenWhileTyping;
    const Action emptyThenTyped = [&](QDialog& page) {
        auto& who = child<QComboBox>(page, "cboWho");
        QCOMPARE(who.currentText(), QStringLiteral("7A"));
        QCOMPARE(who.itemText(who.count() - 1), QStringLiteral("Create new..."));
        who.setCurrentIndex(who.count() - 1);
        press(page, "cmdNext"); // no name yet
        who.setCurrentIndex(0);
        child<QLineEdit>(page, "txtWho").setText(typed);
        chosenWhileTyping = who.currentText();
        press(page, "cmdNext");
    };
    WizardScript script;
    plan(script, {{4, {emptyThenTyped}}});
    QVERIFY(f.trigger("mnuFileNew"));
    QCOMPARE(chosenWhileTyping, QStringLiteral("Create new..."));
    QCOMPARE(
        boxTexts(f.boxes),
        QStringList{"critical: You have not entered a name. Please enter a name to continue."});
    QCOMPARE(count(f.db(), "Class"), classesBefore + classesAdded);
    const int owner =
        scalar(f.db(), "SELECT ClassID FROM TimeTableView WHERE ID = ?", {lastTimetable(f.db())});
    QCOMPARE(rows(f.db(), "SELECT Name FROM Class WHERE ID = ?", {owner}), QStringList{typed});
}

void tst_newtimetable::newOwnerStaysAfterCancelAndTheListsKeepTheCell() {
    TestFixture f;
    const SmallSchool s = addSmallSchool(f.db());
    const int timetable = addTimetable(f.db(), "Class", s.c7A, {"Mon"}, {{"09:00:00"}});
    addSlot(f.db(), {"09:00:00", "Mon", s.c7A, s.ann, s.r1, s.maths});
    QVERIFY(f.activateOpen(timetable));
    TreeBars& bars = f.main().picLeftBar();
    QCOMPARE(selectedText(bars.treeBar(TreeBars::Tutors)), QStringLiteral("Ann"));

    QString listedOnReturn;
    WizardScript script;
    script.then(next).then(next).then(next);
    script.then(typingOwner("9Z"));
    script.then(pressing("cmdBack"));
    script.then([&listedOnReturn](QDialog& page) {
        listedOnReturn = child<QComboBox>(page, "cboWho").currentText();
        press(page, "cmdCancel");
    });
    QVERIFY(f.trigger("mnuFileNew"));
    QCOMPARE(listedOnReturn, QStringLiteral("9Z"));
    QCOMPARE(rows(f.db(), "SELECT Name FROM Class ORDER BY ID DESC LIMIT 1", {}),
             QStringList{"9Z"});
    QCOMPARE(count(f.db(), "TimeTableView"), 1);
    QVERIFY(bars.FindTreeNodeByText(TreeBars::Classes, "9Z"));
    // The refill emptied the selection; the cell's own items are selected again.
    QCOMPARE(selectedText(bars.treeBar(TreeBars::Tutors)), QStringLiteral("Ann"));
    QCOMPARE(selectedText(bars.treeBar(TreeBars::Subjects)), QStringLiteral("Maths"));
    QCOMPARE(selectedText(bars.treeBar(TreeBars::Rooms)), QStringLiteral("R1"));
}

void tst_newtimetable::changeOfKindKeepsTheChosenId_data() {
    QTest::addColumn<QString>("chosenClass");
    QTest::addColumn<QString>("tutorShown");
    QTest::newRow("a tutor has the id") << "7B"
                                        << "Bob"; // both are the second row
    QTest::newRow("no tutor has the id") << "7C"
                                         << "Ann"; // the first item then
}

void tst_newtimetable::changeOfKindKeepsTheChosenId() {
    QFETCH(QString, chosenClass);
    QFETCH(QString, tutorShown);
    TestFixture f;
    const SmallSchool s = addSmallSchool(f.db());
    QCOMPARE(s.c7B, s.bob);
    addName(f.db(), "Class", "7C");
    QString shown;
    WizardScript script;
    script.then(next).then(next).then(next);
    script.then([chosenClass](QDialog& page) {
        auto& who = child<QComboBox>(page, "cboWho");
        who.setCurrentIndex(who.findText(chosenClass));
        press(page, "cmdNext");
    });
    script.then(pressing("cmdBack")).then(pressing("cmdBack"));
    script.then(choosingKind("Tutor"));
    script.then([&shown](QDialog& page) {
        shown = child<QComboBox>(page, "cboWho").currentText();
        press(page, "cmdNext");
    });
    script.then(next).then(next).then(next);
    QVERIFY(f.trigger("mnuFileNew"));
    QCOMPARE(script.unexpected, 0);
    QCOMPARE(shown, tutorShown);
    QCOMPARE(f.main().activeTableWindow()->windowTitle(), "Tutor " + tutorShown);
}

void tst_newtimetable::welcomeOffLastsForTheRunAndBackStillReachesIt() {
    TestFixture f;
    addSmallSchool(f.db());
    {
        WizardScript script;
        script.then([](QDialog& page) {
            child<QCheckBox>(page, "chkDisplayNext").setChecked(false);
            press(page, "cmdNext");
        });
        script.then(pressing("cmdCancel"));
        QVERIFY(f.trigger("mnuFileNew"));
    }
    QVERIFY(!f.state.CreateTTShowWelcome);
    bool tickedAgain = false;
    WizardScript script;
    script.then(pressing("cmdBack"));
    script.then([&tickedAgain](QDialog& page) {
        tickedAgain = child<QCheckBox>(page, "chkDisplayNext").isChecked();
        press(page, "cmdCancel");
    });
    QVERIFY(f.trigger("mnuFileNew"));
    QCOMPARE(script.shown, (QStringList{"frmScr_CreateTT_Style", "frmScr_CreateTT_Welcome"}));
    QVERIFY(tickedAgain);
}

void tst_newtimetable::noStyleStoredRefusesTheStylePage() {
    TestFixture f;
    addSmallSchool(f.db());
    QVERIFY(f.db().run("DELETE FROM Style"));
    WizardScript script;
    script.then(next);
    script.then([](QDialog& page) {
        press(page, "cmdNext");
        press(page, "cmdNext");
        press(page, "cmdCancel");
    });
    QVERIFY(f.trigger("mnuFileNew"));
    QCOMPARE(script.shown, AllPages.mid(0, 2));
    const QString refusal =
        "critical: No timetable style is stored, so no timetable can be created.";
    QCOMPARE(boxTexts(f.boxes), (QStringList{refusal, refusal}));
    QCOMPARE(writtenRows(f.db()), QStringLiteral("0 timetables, 0 periods, 0 days"));
}

void tst_newtimetable::failedBuildWritesNothingAndOpensNoWindow() {
    TestFixture f;
    addSmallSchool(f.db());
    f.main();
    // The last of the three writes fails, after the others have gone in.
    QVERIFY(f.db().run("CREATE TRIGGER no_days BEFORE INSERT ON YTitle "
                       "BEGIN SELECT RAISE(ABORT, 'disk says no'); END"));
    WizardScript script;
    plan(script);
    QVERIFY(f.trigger("mnuFileNew"));
    QCOMPARE(f.boxes.calls.size(), 1);
    QCOMPARE(f.boxes.last().icon, int(vb::vbCritical));
    QVERIFY(f.boxes.last().text.contains("disk says no"));
    QCOMPARE(writtenRows(f.db()), QStringLiteral("0 timetables, 0 periods, 0 days"));
    QCOMPARE(f.db().transactionDepth(), 0);
    QVERIFY(!f.main().AnyTimeTablesLoaded());
    QVERIFY(f.main().viewTableMenu()->actions().isEmpty());
}

void tst_newtimetable::tutorTimetableShowsALessonAlreadyHeld() {
    TestFixture f;
    const SmallSchool s = addSmallSchool(f.db());
    addTimetable(f.db(), "Class", s.c7A, {"Mon"}, {{"09:00:00"}});
    addSlot(f.db(), {"09:00:00", "Mon", s.c7A, s.ann, s.r1, s.maths});
    WizardScript script;
    plan(script, {{3, {choosingKind("Tutor")}}, {6, {choosing("lstHours", 3)}}});
    QVERIFY(f.trigger("mnuFileNew"));
    frmTableWindow* window = f.main().activeTableWindow();
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("Tutor Ann"));
    const QString cell = window->g().TextMatrix(1, 1);
    QVERIFY2(cell.contains("Maths") && cell.contains("R1") && cell.contains("7A"),
             qPrintable(cell));
    QCOMPARE(count(f.db(), "Slot"), 1);
    QCOMPARE(selectedText(f.main().picLeftBar().treeBar(TreeBars::Subjects)),
             QStringLiteral("Maths"));
}

void tst_newtimetable::toolbarButtonRunsTheWizard() {
    TestFixture f;
    WizardScript script;
    script.then(pressing("cmdCancel"));
    auto* toolBar = f.main().findChild<MainToolBar*>();
    QVERIFY(toolBar);
    toolBar->button("New")->trigger();
    QCOMPARE(script.shown, QStringList{"frmScr_CreateTT_Welcome"});
}

QTEST_MAIN(tst_newtimetable)
#include "tst_newtimetable.moc"
