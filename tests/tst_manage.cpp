#include "LeftBarDriver.h"
#include "TestData.h"
#include "TestFixture.h"
#include "WizardScript.h"

#include "app/CellEditor.h"
#include "app/MainMenus.h"
#include "app/MainToolBar.h"
#include "app/frmMain.h"
#include "app/frmTableWindow.h"
#include "data/RecordDelete.h"
#include "data/StoredTimetables.h"
#include "platform/FlexGrid.h"
#include "setup/frmManage.h"
#include "setup/frmRecordEditor.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMenu>
#include <QProxyStyle>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>

#include <algorithm>

using namespace TestData;
using NameLists::List;

namespace {

// The small school with a Mon/Tue by 9:00/9:40 timetable for 7A, Ann and R1, one lesson at
// Mon 9:00 (7A, Ann, Maths, R1), and Ann teaching Maths and English, Bob Maths.
struct School : SmallSchool {
    int tt7A = 0, ttAnn = 0, ttR1 = 0, lesson = 0;
};

School makeSchool(TestFixture& f) {
    School s{addSmallSchool(f.db())};
    const QStringList days{"Mon", "Tue"};
    const QList<Period> periods{{"09:00:00", 40}, {"09:40:00", 40}};
    s.tt7A = addTimetable(f.db(), "Class", s.c7A, days, periods);
    s.ttAnn = addTimetable(f.db(), "Tutor", s.ann, days, periods);
    s.ttR1 = addTimetable(f.db(), "Room", s.r1, days, periods);
    s.lesson = addSlot(f.db(), {"09:00:00", "Mon", s.c7A, s.ann, s.r1, s.maths});
    const QList<std::pair<int, int>> pairs{{s.ann, s.maths}, {s.ann, s.english}, {s.bob, s.maths}};
    for (auto [tutor, subject] : pairs) {
        if (!f.db().run("INSERT INTO SubjectsTaughtByTutor (TutorID, SubjectID) VALUES (?, ?)",
                        {tutor, subject}))
            qFatal("cannot add a tutor's subject");
    }
    // Start-up opens every timetable: close them, so that each test opens what it needs.
    f.main().mdiArea()->closeAllSubWindows();
    return s;
}

// "class,tutor,room,subject" of a slot row.
QString slotIds(const DBConnection& db, int slotId) {
    Result<std::optional<QSqlRecord>> row =
        db.firstRow("SELECT ClassID, TutorID, RoomID, SubjectID FROM Slot WHERE ID = ?", {slotId});
    if (!row || !row.value())
        return QStringLiteral("(no row)");
    QStringList ids;
    for (int i = 0; i < 4; ++i)
        ids << row.value()->value(i).toString();
    return ids.join(',');
}

// The rows of every table a delete or an editor can touch, so "nothing changed" is one compare.
QList<int> rowCounts(const DBConnection& db) {
    QList<int> counts;
    for (const char* table : {"Tutor", "Subject", "Room", "Class", "SubjectsTaughtByTutor", "Slot",
                              "TimeTableView", "XTitle", "YTitle"})
        counts << scalar(db, QStringLiteral("SELECT COUNT(*) FROM %1").arg(table));
    counts << scalar(db, "SELECT COUNT(*) FROM Slot WHERE ClassID = 1 OR TutorID = 1 OR RoomID = 1 "
                         "OR SubjectID = 1");
    return counts;
}

QStringList texts(const QListWidget& list) {
    QStringList found;
    for (int i = 0; i < list.count(); ++i)
        found << list.item(i)->text();
    return found;
}

QString selectedText(const QListWidget& list) {
    const QList<QListWidgetItem*> selected = list.selectedItems();
    return selected.isEmpty() ? QStringLiteral("(none)") : selected.first()->text();
}

QStringList tagsOfWindows(frmMain& main) {
    QStringList tags;
    for (const frmTableWindow* window : main.timetableWindows())
        tags << QString::number(window->Tag());
    return tags;
}

bool hasViewTableItem(frmMain& main, int timetableId) {
    for (const QAction* action : main.viewTableMenu()->actions()) {
        if (action->data().toString() == QStringLiteral("k%1").arg(timetableId))
            return true;
    }
    return false;
}

void selectName(frmManage& dialog, List list, const QString& name) {
    QListWidget& names = dialog.list(list);
    const QList<QListWidgetItem*> found = names.findItems(name, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(name));
    names.setCurrentItem(found.first());
}

// An editor action: types the name, optionally picks the tutor's subjects, presses the button.
WizardScript::Action typeIn(const QString& name, const char* button = "cmdOK",
                            std::optional<QStringList> subjects = std::nullopt) {
    return [=](QDialog& dialog) {
        auto& editor = static_cast<frmRecordEditor&>(dialog);
        editor.txtName().setText(name);
        if (subjects) {
            QListWidget* list = editor.lstSubjects();
            QVERIFY(list);
            for (int i = 0; i < list->count(); ++i)
                list->item(i)->setSelected(subjects->contains(list->item(i)->text()));
        }
        press(dialog, button);
    };
}

constexpr List AllLists[] = {NameLists::Tutor, NameLists::Subject, NameLists::Room,
                             NameLists::Class};
const char* const DeleteButtons[] = {"cmdDeleteTutor", "cmdDeleteSubject", "cmdDeleteRoom",
                                     "cmdDeleteClass"};
const char* const EditButtons[] = {"cmdEditTutor", "cmdEditSubject", "cmdEditRoom", "cmdEditClass"};
const char* const AddButtons[] = {"cmdOK", "cmdAddSubject", "cmdAddRoom", "cmdAddClass"};

// A desktop style that cuts tab titles short when room is tight, as some do.
class ElidingTabsStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == SH_TabBar_ElideMode)
            return Qt::ElideRight;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

} // namespace

class tst_manage : public QObject {
    Q_OBJECT

private slots:
    void deletingAClassClosesEveryWindowOfItsTimetable();
    void deletingATutorTakesHisPairsAndASubjectLeavesThem();
    void everyTimetableOfTheOwnerGoesAndThePlaceholderStays();
    void noOrCancelChangesNothing_data();
    void noOrCancelChangesNothing();
    void aFailedDeleteChangesNothing();
    void listAfterAddCancelledAddAndEdit();
    void editAndDeleteWithNothingSelectedDoNothing();
    void eachEntryPointOpensItsTab_data();
    void eachEntryPointOpensItsTab();
    void namesAreStoredExactlyAsTyped();
    void anEmptyNameIsRefused_data();
    void anEmptyNameIsRefused();
    void aTutorsPairsAreRewritten();
    void aFailedSaveChangesNothing();
    void everyWayOfClosingRefreshesTheMainWindow_data();
    void everyWayOfClosingRefreshesTheMainWindow();
    void tabTitlesAreShownWhole_data();
    void tabTitlesAreShownWhole();
    void captionIsShownWhole_data();
    void captionIsShownWhole();
};

void tst_manage::deletingAClassClosesEveryWindowOfItsTimetable() {
    TestFixture f;
    const School s = makeSchool(f);
    frmMain& main = f.main();
    frmTableWindow* tutorWindow = f.openTimetable(s.ttAnn);
    f.openTimetable(s.tt7A);
    frmTableWindow* classWindow = f.openTimetable(s.tt7A); // File > Open's second window
    QCOMPARE(tagsOfWindows(main).count(QString::number(s.tt7A)), 2);
    // A lesson written in the class's timetable leaves an undo that names the class.
    selectCells(classWindow->g(), 1, 2);
    LeftBarDriver::clickItem(main.picLeftBar(), TreeBars::Tutors, "Bob");
    QVERIFY(f.main().cellEditor().undoState().record);

    WizardScript script;
    script.then([&](QDialog& dialog) {
        auto& manage = static_cast<frmManage&>(dialog);
        QCOMPARE(selectedText(manage.list(NameLists::Class)), QStringLiteral("7A"));
        press(dialog, "cmdDeleteClass");
        QCOMPARE(texts(manage.list(NameLists::Class)), QStringList{"7B"});
        QCOMPARE(selectedText(manage.list(NameLists::Class)), QStringLiteral("7B"));
        press(dialog, "cmdCancel3");
    });
    QVERIFY(f.trigger("mnuToolsManageClasses"));
    QVERIFY(script.finished());

    QCOMPARE(f.boxes.calls.size(), 1);
    QCOMPARE(f.boxes.last().text, QStringLiteral("Delete selected Class?"));
    QCOMPARE(f.boxes.last().icon, int(vb::vbQuestion));
    QCOMPARE(f.boxes.last().buttons, int(vb::vbYesNoCancel));
    QCOMPARE(tagsOfWindows(main), QStringList{QString::number(s.ttAnn)});
    QVERIFY(!hasViewTableItem(main, s.tt7A));
    QVERIFY(hasViewTableItem(main, s.ttAnn));
    QCOMPARE(scalar(f.db(), "SELECT COUNT(*) FROM TimeTableView WHERE ID = ?", {s.tt7A}), 0);
    QCOMPARE(scalar(f.db(), "SELECT COUNT(*) FROM XTitle WHERE TimeTableViewID = ?", {s.tt7A}), 0);
    QCOMPARE(scalar(f.db(), "SELECT COUNT(*) FROM YTitle WHERE TimeTableViewID = ?", {s.tt7A}), 0);
    QCOMPARE(scalar(f.db(), "SELECT COUNT(*) FROM Class WHERE ID = ?", {s.c7A}), 0);
    QCOMPARE(scalar(f.db(), "SELECT COUNT(*) FROM Slot WHERE ClassID = ?", {s.c7A}), 0);
    // The lesson stays, with no class, and still shows in its tutor's timetable.
    QCOMPARE(slotIds(f.db(), s.lesson),
             QStringLiteral("1,%1,%2,%3").arg(s.ann).arg(s.r1).arg(s.maths));
    QCOMPARE(main.activeTableWindow(), tutorWindow);
    QCOMPARE(tutorWindow->g().TextMatrix(1, 1), QStringLiteral("\r\nMaths\r\nR1"));
    // Undo can no longer write the deleted class back.
    QVERIFY(!f.main().cellEditor().undoState().record);
    QVERIFY(!main.menus().item("mnuEditUndo")->isEnabled());
}

void tst_manage::deletingATutorTakesHisPairsAndASubjectLeavesThem() {
    TestFixture f;
    const School s = makeSchool(f);
    f.openTimetable(s.tt7A);
    frmManage dialog(f.main());
    dialog.SelectTab(NameLists::Tutor);
    QCOMPARE(selectedText(dialog.list(NameLists::Tutor)), QStringLiteral("Ann"));
    press(dialog, "cmdDeleteTutor");
    QCOMPARE(f.boxes.last().text, QStringLiteral("Delete selected tutor?"));
    QCOMPARE(
        scalar(f.db(), "SELECT COUNT(*) FROM SubjectsTaughtByTutor WHERE TutorID = ?", {s.ann}), 0);
    QCOMPARE(
        scalar(f.db(), "SELECT COUNT(*) FROM SubjectsTaughtByTutor WHERE TutorID = ?", {s.bob}), 1);
    QCOMPARE(scalar(f.db(), "SELECT COUNT(*) FROM TimeTableView WHERE ID = ?", {s.ttAnn}), 0);
    QCOMPARE(slotIds(f.db(), s.lesson),
             QStringLiteral("%1,1,%2,%3").arg(s.c7A).arg(s.r1).arg(s.maths));

    dialog.SelectTab(NameLists::Subject);
    selectName(dialog, NameLists::Subject, "Maths");
    press(dialog, "cmdDeleteSubject");
    QCOMPARE(f.boxes.last().text, QStringLiteral("Delete selected Subject?"));
    QCOMPARE(scalar(f.db(), "SELECT COUNT(*) FROM Subject WHERE ID = ?", {s.maths}), 0);
    // Bob's pair naming the subject stays; no timetable or window goes.
    QCOMPARE(
        scalar(f.db(), "SELECT COUNT(*) FROM SubjectsTaughtByTutor WHERE SubjectID = ?", {s.maths}),
        1);
    QCOMPARE(scalar(f.db(), "SELECT COUNT(*) FROM TimeTableView"), 2);
    QCOMPARE(tagsOfWindows(f.main()), QStringList{QString::number(s.tt7A)});
    QCOMPARE(slotIds(f.db(), s.lesson), QStringLiteral("%1,1,%2,1").arg(s.c7A).arg(s.r1));
}

void tst_manage::everyTimetableOfTheOwnerGoesAndThePlaceholderStays() {
    TestFixture f;
    const School s = makeSchool(f);
    const int second = addTimetable(f.db(), "Class", s.c7A, {"Wed"}, {{"10:00:00"}});
    // A room timetable that happens to name the class in its ClassID is not the class's own.
    const int roomsOwn = addTimetable(f.db(), "Room", s.r2, {"Wed"}, {{"10:00:00"}});
    QVERIFY(f.db().run("UPDATE TimeTableView SET ClassID = ? WHERE ID = ?", {s.c7A, roomsOwn}));

    Result<QList<int>> deleted = RecordDelete::deleteRecord(f.db(), NameLists::Class, s.c7A);
    QVERIFY(deleted);
    QCOMPARE(deleted.value(), (QList<int>{s.tt7A, second}));
    QCOMPARE(scalar(f.db(), "SELECT ClassID FROM TimeTableView WHERE ID = ?", {roomsOwn}), 1);
    Result<QList<StoredTimetable>> openable = StoredTimetables::list(f.db());
    QVERIFY(openable);
    QVERIFY(std::ranges::any_of(openable.value(),
                                [&](const StoredTimetable& t) { return t.id == roomsOwn; }));
    QCOMPARE(scalar(f.db(), "SELECT COUNT(*) FROM XTitle WHERE TimeTableViewID = ?", {second}), 0);

    // Room R2 owns a timetable but no lesson; a subject owns none.
    Result<QList<int>> room = RecordDelete::deleteRecord(f.db(), NameLists::Room, s.r2);
    QVERIFY(room);
    QCOMPARE(room.value(), QList<int>{roomsOwn});

    const QList<int> before = rowCounts(f.db());
    for (List list : AllLists) {
        Result<QList<int>> placeholder = RecordDelete::deleteRecord(f.db(), list, 1);
        QVERIFY(!placeholder);
    }
    QCOMPARE(rowCounts(f.db()), before);
}

void tst_manage::noOrCancelChangesNothing_data() {
    QTest::addColumn<int>("list");
    QTest::addColumn<int>("answer");
    for (List list : AllLists) {
        const QString name = NameLists::tableName(list);
        QTest::newRow(qPrintable(name + " no")) << int(list) << int(vb::vbNo);
        QTest::newRow(qPrintable(name + " cancel")) << int(list) << int(vb::vbCancel);
    }
}

void tst_manage::noOrCancelChangesNothing() {
    QFETCH(int, list);
    QFETCH(int, answer);
    TestFixture f;
    const School s = makeSchool(f);
    f.openTimetable(s.tt7A);
    f.openTimetable(s.ttAnn);
    f.openTimetable(s.ttR1);
    const QList<int> before = rowCounts(f.db());
    frmManage dialog(f.main());
    dialog.SelectTab(list);
    const QStringList names = texts(dialog.list(List(list)));
    f.boxes.answers << answer;
    press(dialog, DeleteButtons[list]);
    QCOMPARE(f.boxes.calls.size(), 1);
    QCOMPARE(rowCounts(f.db()), before);
    QCOMPARE(texts(dialog.list(List(list))), names);
    QCOMPARE(f.main().timetableWindows().size(), 3);
    QCOMPARE(f.main().viewTableMenu()->actions().size(), 3);
}

void tst_manage::aFailedDeleteChangesNothing() {
    TestFixture f;
    const School s = makeSchool(f);
    frmTableWindow* window = f.openTimetable(s.tt7A);
    selectCells(window->g(), 1, 2);
    LeftBarDriver::clickItem(f.main().picLeftBar(), TreeBars::Tutors, "Bob");
    QVERIFY(f.db().run("CREATE TRIGGER refuse BEFORE DELETE ON Class "
                       "BEGIN SELECT RAISE(ABORT, 'the class is kept'); END"));
    const QList<int> before = rowCounts(f.db());

    frmManage dialog(f.main());
    dialog.SelectTab(NameLists::Class);
    press(dialog, "cmdDeleteClass");
    QCOMPARE(f.boxes.calls.size(), 2);
    QCOMPARE(f.boxes.last().icon, int(vb::vbCritical));
    QVERIFY2(f.boxes.last().text.contains("the class is kept"), qPrintable(f.boxes.last().text));
    QCOMPARE(rowCounts(f.db()), before);
    QCOMPARE(slotIds(f.db(), s.lesson),
             QStringLiteral("%1,%2,%3,%4").arg(s.c7A).arg(s.ann).arg(s.r1).arg(s.maths));
    QCOMPARE(tagsOfWindows(f.main()), QStringList{QString::number(s.tt7A)});
    QVERIFY(hasViewTableItem(f.main(), s.tt7A));
    QVERIFY(f.main().cellEditor().undoState().record);
    QVERIFY(f.main().menus().item("mnuEditUndo")->isEnabled());
    QCOMPARE(texts(dialog.list(NameLists::Class)), (QStringList{"7A", "7B"}));
}

void tst_manage::listAfterAddCancelledAddAndEdit() {
    TestFixture f;
    makeSchool(f);
    frmManage dialog(f.main());
    dialog.SelectTab(NameLists::Room);
    QListWidget& rooms = dialog.list(NameLists::Room);
    WizardScript script;
    script.then(typeIn("Hall"))
        .then(typeIn("Gym", "cmdCancel"))
        .then(typeIn("Lab")) // renames R2
        .then(typeIn("Attic", "cmdCancel"));

    press(dialog, "cmdAddRoom");
    QCOMPARE(texts(rooms), (QStringList{"Hall", "R1", "R2"}));
    QCOMPARE(selectedText(rooms), QStringLiteral("Hall"));
    QCOMPARE(f.state.EditRoomID, scalar(f.db(), "SELECT ID FROM Room WHERE Name = 'Hall'"));

    press(dialog, "cmdAddRoom");
    QCOMPARE(texts(rooms), (QStringList{"Hall", "R1", "R2"}));
    QCOMPARE(selectedText(rooms), QStringLiteral("(none)"));
    QCOMPARE(f.state.EditRoomID, -1);

    selectName(dialog, NameLists::Room, "R2");
    press(dialog, "cmdEditRoom");
    QCOMPARE(texts(rooms), (QStringList{"Hall", "Lab", "R1"}));
    QCOMPARE(selectedText(rooms), QStringLiteral("Lab"));

    press(dialog, "cmdEditRoom"); // cancelled: the same record is selected again
    QCOMPARE(selectedText(rooms), QStringLiteral("Lab"));
    QVERIFY(script.finished());
    QCOMPARE(script.shown, (QStringList{"frmRoom", "frmRoom", "frmRoom", "frmRoom"}));
}

void tst_manage::editAndDeleteWithNothingSelectedDoNothing() {
    TestFixture f;
    addName(f.db(), "Tutor", "Ann");
    f.main();
    frmManage dialog(f.main()); // before any tab is chosen nothing is selected
    for (List list : AllLists) {
        press(dialog, EditButtons[list]);
        press(dialog, DeleteButtons[list]);
    }
    QVERIFY(f.dialogs.isEmpty());
    QVERIFY(f.boxes.calls.isEmpty());
    QCOMPARE(scalar(f.db(), "SELECT COUNT(*) FROM Tutor"), 2);
    // An empty list stays without a selection when its tab is shown.
    dialog.SelectTab(NameLists::Room);
    QCOMPARE(dialog.list(NameLists::Room).count(), 0);
    QVERIFY(dialog.list(NameLists::Room).selectedItems().isEmpty());
}

void tst_manage::eachEntryPointOpensItsTab_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("selected");
    QTest::newRow("Tools tutors") << "mnuToolsManageTutors" << 0 << "Ann";
    QTest::newRow("Tools subjects") << "mnuToolsManageSubjects" << 1 << "English";
    QTest::newRow("Tools rooms") << "mnuToolsManageRooms" << 2 << "R1";
    QTest::newRow("Tools classes") << "mnuToolsManageClasses" << 3 << "7A";
    QTest::newRow("pop-up tutors") << "mnuLMRCManageTutors" << 0 << "Ann";
    QTest::newRow("pop-up subjects") << "mnuLMRCSubjects" << 1 << "English";
    QTest::newRow("pop-up rooms") << "mnuLMRCRooms" << 2 << "R1";
    QTest::newRow("pop-up classes") << "mnuLMRCClasses" << 3 << "7A";
    QTest::newRow("toolbar") << "" << 0 << "Ann";
}

void tst_manage::eachEntryPointOpensItsTab() {
    QFETCH(QString, item);
    QFETCH(int, tab);
    QFETCH(QString, selected);
    TestFixture f;
    makeSchool(f);
    WizardScript script;
    script.then([&](QDialog& dialog) {
        auto& manage = static_cast<frmManage&>(dialog);
        QCOMPARE(manage.windowTitle(),
                 QStringLiteral("Manage Tutors, Subjects, Rooms and Classes"));
        QCOMPARE(manage.tsMain().currentIndex(), tab);
        QCOMPARE(manage.CurrentFrameIndex(), tab);
        for (int i = 0; i < NameLists::Count; ++i)
            QCOMPARE(manage.Frame1(i).isHidden(), i != tab);
        QCOMPARE(selectedText(manage.list(List(tab))), selected);
    });
    if (item.isEmpty())
        f.main().findChild<MainToolBar*>()->button("Manage")->trigger();
    else
        f.main().menus().item(item)->trigger();
    QCOMPARE(script.shown, QStringList{"frmManage"});
}

void tst_manage::namesAreStoredExactlyAsTyped() {
    TestFixture f;
    const School s = makeSchool(f);
    frmManage dialog(f.main());
    dialog.SelectTab(NameLists::Subject);
    WizardScript script;
    script.then(typeIn("Children's Art"))
        .then(typeIn("   "))
        .then(typeIn("Maths"))
        .then(typeIn("O'Neill's"));
    for (int i = 0; i < 3; ++i)
        press(dialog, "cmdAddSubject");
    selectName(dialog, NameLists::Subject, "English");
    press(dialog, "cmdEditSubject");
    QVERIFY(script.finished());
    QCOMPARE(scalar(f.db(), "SELECT COUNT(*) FROM Subject WHERE Name = 'Children''s Art'"), 1);
    QCOMPARE(scalar(f.db(), "SELECT COUNT(*) FROM Subject WHERE Name = '   '"), 1);
    QCOMPARE(scalar(f.db(), "SELECT COUNT(*) FROM Subject WHERE Name = 'Maths'"), 2);
    QCOMPARE(scalar(f.db(), "SELECT COUNT(*) FROM Subject WHERE ID = ? AND Name = 'O''Neill''s'",
                    {s.english}),
             1);
    QCOMPARE(texts(dialog.list(NameLists::Subject)),
             (QStringList{"   ", "Children's Art", "Maths", "Maths", "O'Neill's"}));
}

void tst_manage::anEmptyNameIsRefused_data() {
    QTest::addColumn<int>("list");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("message");
    QTest::newRow("tutor")
        << 0 << "frmTutor"
        << "Tutor Details"
        << "A Tutor name has not been entered. Please enter a tutor name to continue.";
    QTest::newRow("subject")
        << 1 << "frmSubject"
        << "Subject Details"
        << "A Subject name has not been entered. Please enter a Subject name to continue.";
    QTest::newRow("room")
        << 2 << "frmRoom"
        << "Room Details"
        << "A Room name has not been entered. Please enter a Room name to continue.";
    QTest::newRow("class")
        << 3 << "frmClass"
        << "Class Details"
        << "A Class name has not been entered. Please enter a Class name to continue.";
}

void tst_manage::anEmptyNameIsRefused() {
    QFETCH(int, list);
    QFETCH(QString, form);
    QFETCH(QString, title);
    QFETCH(QString, message);
    TestFixture f;
    makeSchool(f);
    const QList<int> before = rowCounts(f.db());
    frmManage dialog(f.main());
    dialog.SelectTab(list);
    WizardScript script;
    script.then([&](QDialog& editor) {
        QCOMPARE(editor.windowTitle(), title);
        typeIn("")(editor);
        QCOMPARE(f.boxes.calls.size(), 1);
        QCOMPARE(f.boxes.last().text, message);
        QCOMPARE(f.boxes.last().icon, int(vb::vbCritical));
        QCOMPARE(f.boxes.last().buttons, int(vb::vbOKOnly));
    });
    press(dialog, AddButtons[list]);
    QCOMPARE(script.shown, QStringList{form});
    QCOMPARE(script.stayedOpen, QStringList{form});
    QCOMPARE(rowCounts(f.db()), before);
}

void tst_manage::aTutorsPairsAreRewritten() {
    TestFixture f;
    const School s = makeSchool(f);
    // A pair with the placeholder subject and one written twice: neither is shown in the list.
    QVERIFY(
        f.db().run("INSERT INTO SubjectsTaughtByTutor (TutorID, SubjectID) VALUES (?, 1), (?, ?)",
                   {s.ann, s.ann, s.maths}));
    frmManage dialog(f.main());
    dialog.SelectTab(NameLists::Tutor);
    WizardScript script;
    script.then([&](QDialog& dialog) {
        auto& editor = static_cast<frmRecordEditor&>(dialog);
        QCOMPARE(editor.txtName().text(), QStringLiteral("Ann"));
        QCOMPARE(editor.txtName().selectedText(), QStringLiteral("Ann"));
        QListWidget& subjects = *editor.lstSubjects();
        QCOMPARE(texts(subjects), (QStringList{"English", "Maths"}));
        QCOMPARE(subjects.selectedItems().size(), 2);
        typeIn("Ann", "cmdOK", QStringList{"Maths"})(dialog);
    });
    script.then(typeIn("Cleo", "cmdOK", QStringList{"English", "Maths"}));
    script.then(typeIn("Dan", "cmdOK", QStringList{}));
    press(dialog, "cmdEditTutor");
    press(dialog, "cmdOK");
    press(dialog, "cmdOK");
    QVERIFY(script.finished());

    const QString pairs =
        "SELECT group_concat(SubjectID) FROM "
        "(SELECT SubjectID FROM SubjectsTaughtByTutor WHERE TutorID = ? ORDER BY SubjectID)";
    QCOMPARE(scalar(f.db(), pairs, {s.ann}), s.maths);
    QCOMPARE(
        scalar(f.db(), "SELECT COUNT(*) FROM SubjectsTaughtByTutor WHERE TutorID = ?", {s.ann}), 1);
    const int cleo = scalar(f.db(), "SELECT ID FROM Tutor WHERE Name = 'Cleo'");
    QCOMPARE(f.db().firstRow(pairs, {cleo}).value()->value(0).toString(),
             QStringLiteral("%1,%2").arg(s.maths).arg(s.english));
    const int dan = scalar(f.db(), "SELECT ID FROM Tutor WHERE Name = 'Dan'");
    QCOMPARE(scalar(f.db(), "SELECT COUNT(*) FROM SubjectsTaughtByTutor WHERE TutorID = ?", {dan}),
             0);
    QCOMPARE(f.state.EditTutorID, dan);
}

void tst_manage::aFailedSaveChangesNothing() {
    TestFixture f;
    const School s = makeSchool(f);
    QVERIFY(f.db().run("CREATE TRIGGER refuse BEFORE INSERT ON SubjectsTaughtByTutor "
                       "BEGIN SELECT RAISE(ABORT, 'no pairs today'); END"));
    const QList<int> before = rowCounts(f.db());
    frmManage dialog(f.main());
    dialog.SelectTab(NameLists::Tutor);
    // A rename and an Add, each failing at the pairs, each cancelled after the box.
    const auto failThenCancel = [&](const QString& name) {
        return [&f, name](QDialog& editor) {
            const int shownBefore = int(f.boxes.calls.size());
            QSignalSpy closed(&editor, &QDialog::finished);
            typeIn(name, "cmdOK", QStringList{"English"})(editor);
            QCOMPARE(closed.count(), 0); // the editor stays open
            QCOMPARE(f.boxes.calls.size(), shownBefore + 1);
            QCOMPARE(f.boxes.last().icon, int(vb::vbCritical));
            QVERIFY(f.boxes.last().text.contains("no pairs today"));
            press(editor, "cmdCancel");
        };
    };
    WizardScript script;
    script.then(failThenCancel("Annie")).then(failThenCancel("Zed"));
    press(dialog, "cmdEditTutor");
    QCOMPARE(f.state.EditTutorID, s.ann);
    press(dialog, "cmdOK");
    QCOMPARE(f.state.EditTutorID, -1);
    QCOMPARE(script.shown, (QStringList{"frmTutor", "frmTutor"}));
    QCOMPARE(rowCounts(f.db()), before);
    QCOMPARE(scalar(f.db(), "SELECT COUNT(*) FROM Tutor WHERE ID = ? AND Name = 'Ann'", {s.ann}),
             1);
}

void tst_manage::everyWayOfClosingRefreshesTheMainWindow_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("Close") << "Close";
    QTest::newRow("Escape") << "Escape";
    QTest::newRow("close box") << "close box";
}

void tst_manage::everyWayOfClosingRefreshesTheMainWindow() {
    QFETCH(QString, way);
    TestFixture f;
    const School s = makeSchool(f);
    frmTableWindow* room = f.openTimetable(s.ttR1);
    frmTableWindow* window = f.openTimetable(s.tt7A);
    selectCells(window->g(), 1, 1);
    TreeBars& bars = f.main().picLeftBar();

    WizardScript script;
    script.then([&](QDialog& dialog) {
        dialog.show();
        selectName(static_cast<frmManage&>(dialog), NameLists::Tutor, "Ann");
        press(dialog, "cmdEditTutor");
        if (way == "Close")
            press(dialog, "cmdCancel0");
        else if (way == "Escape")
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            dialog.close();
        QVERIFY(dialog.isHidden());
    });
    script.then(typeIn("Anna")); // the editor, opened from the dialog
    QVERIFY(f.trigger("mnuToolsManageTutors"));
    QVERIFY(script.finished());

    QVERIFY(bars.FindTreeNodeByText(TreeBars::Tutors, "Anna"));
    QCOMPARE(window->g().TextMatrix(1, 1), QStringLiteral("Anna\r\nMaths\r\nR1"));
    // Every open timetable shows the new name, not only the active one.
    QCOMPARE(room->g().TextMatrix(1, 1), QStringLiteral("Anna\r\nMaths\r\n7A"));
    // The refilled lists show the cell again, so a click keeps its other ids.
    QCOMPARE(bars.selectedId(TreeBars::Subjects), s.maths);
    LeftBarDriver::clickItem(bars, TreeBars::Tutors, "Bob");
    QCOMPARE(slotIds(f.db(), s.lesson),
             QStringLiteral("%1,%2,%3,%4").arg(s.c7A).arg(s.bob).arg(s.r1).arg(s.maths));
}

void tst_manage::tabTitlesAreShownWhole_data() {
    QTest::addColumn<int>("pointSize"); // of the desktop's font, 0 for the usual one
    QTest::addColumn<bool>("elidingStyle");
    QTest::newRow("usual desktop") << 0 << false;
    QTest::newRow("large font") << 24 << false;
    QTest::newRow("style that cuts titles") << 0 << true;
    QTest::newRow("both") << 24 << true;
}

void tst_manage::tabTitlesAreShownWhole() {
    QFETCH(int, pointSize);
    QFETCH(bool, elidingStyle);
    TestFixture f;
    const QString usualStyle = QApplication::style()->name();
    const QFont usualFont = QApplication::font();
    if (elidingStyle)
        QApplication::setStyle(new ElidingTabsStyle);
    if (pointSize) {
        QFont font = usualFont;
        font.setPointSize(pointSize);
        QApplication::setFont(font);
    }
    const auto restore = qScopeGuard([&] {
        QApplication::setFont(usualFont);
        QApplication::setStyle(usualStyle);
    });
    frmManage dialog(f.main());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.resize(1, 1); // as narrow as the user can drag it
    auto* tabs = dialog.findChild<QTabBar*>(QStringLiteral("tsMain"));
    QVERIFY(tabs);
    // The bar's size hint holds every title whole; given less, Qt cuts them or scrolls.
    QVERIFY2(
        tabs->width() >= tabs->sizeHint().width(),
        qPrintable(QStringLiteral("%1 < %2").arg(tabs->width()).arg(tabs->sizeHint().width())));
    for (int i = 0; i < tabs->count(); ++i)
        QVERIFY2(tabs->rect().contains(tabs->tabRect(i)), qPrintable(tabs->tabText(i)));
}

void tst_manage::captionIsShownWhole_data() {
    QTest::addColumn<int>("pointSize"); // of the desktop's font, 0 for the usual one
    QTest::newRow("usual desktop") << 0;
    QTest::newRow("large font") << 24;
}

// A title bar sets the caption in bold beside the window's icon and three buttons: at the
// narrowest the user can drag the dialog, there is room for them all.
void tst_manage::captionIsShownWhole() {
    QFETCH(int, pointSize);
    TestFixture f;
    const QFont usualFont = QApplication::font();
    if (pointSize) {
        QFont font = usualFont;
        font.setPointSize(pointSize);
        QApplication::setFont(font);
    }
    const auto restore = qScopeGuard([&] { QApplication::setFont(usualFont); });
    QString caption;
    int narrowest = 0;
    int calls = 0;
    seams().modal = [&](QDialog& dialog) {
        if (++calls == 1 && qobject_cast<frmManage*>(&dialog)) {
            dialog.show();
            dialog.resize(1, 1);
            caption = dialog.windowTitle();
            narrowest = dialog.width();
        }
        return int(QDialog::Rejected);
    };
    QVERIFY(f.trigger("mnuToolsManageTutors"));
    QCOMPARE(calls, 1);
    QCOMPARE(caption, QStringLiteral("Manage Tutors, Subjects, Rooms and Classes"));
    QFont bold = QApplication::font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const int iconAndButtons = 4 * 2 * metrics.height();
    const int needed = metrics.horizontalAdvance(caption) + iconAndButtons;
    QVERIFY2(narrowest >= needed, qPrintable(QStringLiteral("%1 < %2").arg(narrowest).arg(needed)));
}

QTEST_MAIN(tst_manage)
#include "tst_manage.moc"
