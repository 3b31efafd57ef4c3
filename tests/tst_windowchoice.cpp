#include "LeftBarDriver.h"
#include "TestData.h"
#include "TestFixture.h"

#include "app/ClickLabel.h"
#include "app/MainMenus.h"
#include "app/TreeBars.h"
#include "app/frmMain.h"
#include "app/frmTableOpen.h"
#include "app/frmTableWindow.h"
#include "platform/FlexGrid.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QStyle>
#include <QTest>
#include <QTreeWidget>

#include <functional>
#include <utility>

using namespace TestData;
using namespace LeftBarDriver;

namespace {

// Five timetables opened at start-up in this order: Class 7A (first, so the one a stray focus
// lands in), Room R1, Class 7B, Tutor Bob and Room R2, each Mon and Tue by 9:00 and 9:40. One
// lesson: 7B, Mon 9:40, Bob, English, R2, so it shows in 7B's, Bob's and R2's windows.
struct School : SmallSchool {
    int tt7A = 0, tt7B = 0, ttR1 = 0, ttR2 = 0, ttBob = 0;
};

School makeSchool(TestFixture& f) {
    School s{addSmallSchool(f.db())};
    const QStringList days{"Mon", "Tue"};
    const QList<Period> periods{{"09:00:00", 40}, {"09:40:00", 40}};
    s.tt7A = addTimetable(f.db(), "Class", s.c7A, days, periods);
    s.ttR1 = addTimetable(f.db(), "Room", s.r1, days, periods);
    s.tt7B = addTimetable(f.db(), "Class", s.c7B, days, periods);
    s.ttBob = addTimetable(f.db(), "Tutor", s.bob, days, periods);
    s.ttR2 = addTimetable(f.db(), "Room", s.r2, days, periods);
    addSlot(f.db(), {"09:40:00", "Mon", s.c7B, s.bob, s.r2, s.english});
    return s;
}

QMdiSubWindow* subOf(const frmTableWindow* w) {
    return qobject_cast<QMdiSubWindow*>(w->parentWidget());
}

frmTableWindow* windowOf(frmMain& main, int timetableId) {
    for (frmTableWindow* w : main.timetableWindows()) {
        if (w->Tag() == timetableId)
            return w;
    }
    return nullptr;
}

// A user's click on a cell of a window, which also brings the window forward.
void clickCell(frmTableWindow& w, int row, int col) {
    FlexGrid& g = w.g();
    QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, {g.colPos(col) + 5, g.rowPos(row) + 5});
}

// Every stored lesson as "class | tutor | room | subject | day start", in the order written.
QStringList slotRows(const DBConnection& db) {
    Result<QSqlQuery> rows = db.exec(QStringLiteral(
        "SELECT Class.Name, Tutor.Name, Room.Name, Subject.Name, Slot.DOW, Slot.StartTime "
        "FROM Slot JOIN Class ON Class.ID = Slot.ClassID JOIN Tutor ON Tutor.ID = Slot.TutorID "
        "JOIN Room ON Room.ID = Slot.RoomID JOIN Subject ON Subject.ID = Slot.SubjectID "
        "ORDER BY Slot.ID"));
    if (!rows)
        qFatal("reading the lessons failed: %s", qPrintable(rows.error().message));
    QStringList texts;
    QSqlQuery& row = rows.value();
    while (row.next()) {
        texts << QStringLiteral("%1 | %2 | %3 | %4 | %5 %6")
                     .arg(row.value(0).toString(), row.value(1).toString(), row.value(2).toString(),
                          row.value(3).toString(), row.value(4).toString(),
                          row.value(5).toString().left(5));
    }
    return texts;
}

// The four lists' selected names, Tutors to Classes, "" for none.
QStringList listsShow(const TreeBars& bars) {
    QStringList names;
    for (int i = 0; i < TreeBars::Count; ++i)
        names << bars.selectedName(i);
    return names;
}

// The timetable window, if any, that holds the keyboard focus.
frmTableWindow* focusedWindow(frmMain& main) {
    for (frmTableWindow* w : main.timetableWindows()) {
        if (w->isAncestorOf(QApplication::focusWidget()))
            return w;
    }
    return nullptr;
}

// Into the list or its name box; "grid" leaves the focus in the grid clicked last.
void putFocusIn(TreeBars& bars, const QString& place, int list) {
    if (place == QLatin1String("list")) {
        expand(bars, list); // a closed panel's tree is hidden and cannot hold the focus
        bars.treeBar(list).setFocus(Qt::MouseFocusReason);
    } else if (place == QLatin1String("box")) {
        bars.nameBox(list).setFocus(Qt::MouseFocusReason);
    }
}

// Types the name over the box's text and leaves the box, as a user does.
void typeName(TreeBars& bars, int list, const QString& name) {
    NameBox& box = bars.nameBox(list);
    box.setFocus(Qt::MouseFocusReason);
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    type(bars, list, name);
    leaveTo(bars, list, list == TreeBars::Subjects ? TreeBars::Rooms : TreeBars::Subjects);
}

QAction* windowMenuEntry(frmMain& main, const frmTableWindow& w) {
    QMenu* menu = main.menus().menu("mnuWindow");
    emit menu->aboutToShow();
    const int number =
        int(main.mdiArea()->subWindowList(QMdiArea::CreationOrder).indexOf(subOf(&w))) + 1;
    for (QAction* entry : menu->actions()) {
        if (entry->text().startsWith(QStringLiteral("&%1 ").arg(number)))
            return entry;
    }
    return nullptr;
}

// Opens the timetable from File > Open's list, as a user picks its row and presses Open.
void openFromList(TestFixture& f, int timetableId) {
    int shown = 0;
    seams().modal = [&shown, timetableId](QDialog& dialog) {
        auto* list = qobject_cast<frmTableOpen*>(&dialog);
        if (!list || ++shown > 1)
            return int(QDialog::Rejected);
        FlexGrid& g = list->g();
        for (int r = 1; r < g.Rows(); ++r) {
            if (g.RowData(r) == timetableId)
                g.setRow(r);
        }
        list->cmdOK().click();
        return list->result();
    };
    QVERIFY(f.trigger("mnuFileOpen"));
    QCOMPARE(shown, 1);
}

// Chooses `target` the way named; returns the window that should be active after it (File >
// Open gives a new one).
frmTableWindow* choose(TestFixture& f, const QString& way, frmTableWindow& target) {
    frmMain& main = f.main();
    if (way == QLatin1String("window menu")) {
        QAction* entry = windowMenuEntry(main, target);
        if (!entry)
            return nullptr;
        entry->trigger();
    } else if (way == QLatin1String("view table")) {
        const QString key = QStringLiteral("k%1").arg(target.Tag());
        for (QAction* entry : main.viewTableMenu()->actions()) {
            if (entry->data().toString() == key)
                entry->trigger();
        }
    } else if (way == QLatin1String("title bar")) {
        QMdiSubWindow* sub = subOf(&target);
        const int titleHeight = sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, sub);
        QTest::mouseClick(sub, Qt::LeftButton, {}, QPoint(sub->width() / 3, titleHeight / 2));
    } else if (way == QLatin1String("next-window key")) {
        // Each window before comes right before the chosen one; in the workspace Ctrl+Tab once
        // goes back to the window active before, which is the chosen one too.
        QWidget* at = QApplication::focusWidget();
        QTest::keyPress(at, Qt::Key_Control);
        QTest::keyClick(at, Qt::Key_Tab, Qt::ControlModifier);
        QTest::keyRelease(at, Qt::Key_Control, Qt::ControlModifier);
    } else if (way == QLatin1String("file open")) {
        const QList<frmTableWindow*> was = main.timetableWindows();
        openFromList(f, target.Tag());
        for (frmTableWindow* w : main.timetableWindows()) {
            if (!was.contains(w))
                return w;
        }
        return nullptr;
    }
    return &target;
}

// Runs `act` once, when the watched widget is hidden.
class OnFirstHide : public QObject {
public:
    OnFirstHide(QWidget& watched, std::function<void()> act)
        : QObject(&watched), m_act(std::move(act)) {
        watched.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Hide && m_act)
            std::exchange(m_act, nullptr)();
        return false;
    }

private:
    std::function<void()> m_act;
};

} // namespace

class tst_windowchoice : public QObject {
    Q_OBJECT

private slots:
    void choosingAWindowWritesIntoIt_data();
    void choosingAWindowWritesIntoIt();
    void anActivationNeverRunsInsideAnother();
    void closingAListKeepsTheFocusInItsPanel_data();
    void closingAListKeepsTheFocusInItsPanel();
};

void tst_windowchoice::choosingAWindowWritesIntoIt_data() {
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("place"); // the list or its name box holds the focus
    QTest::addColumn<int>("list");
    const QStringList ways{"window menu", "view table", "title bar", "next-window key",
                           "file open"};
    const char* names[] = {"Tutors", "Subjects", "Rooms", "Classes"};
    for (const QString& way : ways) {
        for (const QString place : {"list", "box"}) {
            for (int list = 0; list < TreeBars::Count; ++list) {
                QTest::addRow("%s, %s %s", qPrintable(way), names[list], qPrintable(place))
                    << way << place << list;
            }
        }
        // The same windows with the focus left in the grid of the one before.
        for (int list = 0; list < TreeBars::Count; ++list) {
            QTest::addRow("%s, grid, windows as for %s", qPrintable(way), names[list])
                << way << QStringLiteral("grid") << list;
        }
    }
}

// The user works in one window, puts the focus into a list or name box whose panel the chosen
// window hides, and chooses another window: that window is active, the lists show its own cell
// and the next click (or, after the focus was in a box, the next typed name) writes into it,
// nowhere else.
void tst_windowchoice::choosingAWindowWritesIntoIt() {
    QFETCH(QString, way);
    QFETCH(QString, place);
    QFETCH(int, list);
    TestFixture f;
    const School s = makeSchool(f);
    frmMain& main = f.main();
    TreeBars& bars = main.picLeftBar();
    // The chosen window hides the panel of the focus where it can; the one before shows it.
    struct Pair {
        int before, chosen;
    };
    const Pair pairs[] = {{s.tt7B, s.ttBob}, {s.ttR1, s.tt7B}, {s.ttBob, s.ttR2}, {s.ttR1, s.tt7B}};
    frmTableWindow& before = *windowOf(main, pairs[list].before);
    frmTableWindow& chosen = *windowOf(main, pairs[list].chosen);

    clickCell(chosen, 1, 2); // Mon 9:40: the lesson
    clickCell(before, 1, 1);
    QCOMPARE(main.activeTableWindow(), &before);
    putFocusIn(bars, place, list);

    // On the way no other window is activated, not even for a moment.
    QSignalSpy activated(main.mdiArea(), &QMdiArea::subWindowActivated);
    frmTableWindow* expected = choose(f, way, chosen);
    QVERIFY(expected);
    for (const QList<QVariant>& signal : activated)
        QCOMPARE(signal.at(0).value<QMdiSubWindow*>(), subOf(expected));
    QCOMPARE(main.activeTableWindow(), expected);
    QCOMPARE(main.mdiArea()->currentSubWindow(), subOf(expected));
    QVERIFY(!focusedWindow(main) || focusedWindow(main) == expected);

    // A window opened anew starts at Mon 9:00, which is empty.
    const bool fresh = expected != &chosen;
    const QStringList lesson{"Bob", "English", "R2", "7B"};
    const QStringList blank{"", "", "", ""};
    QCOMPARE(listsShow(bars), fresh ? blank : lesson);

    // Bob's timetable has no Tutors list; any other takes Ann from it.
    const bool tutorView = chosen.Tag() == s.ttBob;
    const int writtenList = tutorView ? TreeBars::Subjects : TreeBars::Tutors;
    const QString name = tutorView ? "Maths" : "Ann";
    if (place == QLatin1String("box"))
        typeName(bars, writtenList, name);
    else
        clickItem(bars, writtenList, name);
    QString written;
    if (!fresh)
        written =
            tutorView ? "7B | Bob | R2 | Maths | Mon 09:40" : "7B | Ann | R2 | English | Mon 09:40";
    else if (chosen.Tag() == s.tt7B)
        written = "7B | Ann |  |  | Mon 09:00";
    else if (chosen.Tag() == s.ttR2)
        written = " | Ann | R2 |  | Mon 09:00";
    else
        written = " | Bob |  | Maths | Mon 09:00";
    QStringList expectedRows;
    if (fresh)
        expectedRows << "7B | Bob | R2 | English | Mon 09:40";
    expectedRows << written;
    QCOMPARE(slotRows(f.db()), expectedRows);
}

// Whatever makes another window current while an activation runs (here: hiding the Classes
// panel), the chosen window stays active with its own cell in the lists.
void tst_windowchoice::anActivationNeverRunsInsideAnother() {
    TestFixture f;
    const School s = makeSchool(f);
    frmMain& main = f.main();
    TreeBars& bars = main.picLeftBar();
    frmTableWindow& w7A = *windowOf(main, s.tt7A);
    frmTableWindow& w7B = *windowOf(main, s.tt7B);
    clickCell(w7B, 1, 2);
    clickCell(*windowOf(main, s.ttR1), 1, 1);
    new OnFirstHide(bars.picSep(TreeBars::Classes),
                    [&] { main.mdiArea()->setActiveSubWindow(subOf(&w7A)); });

    choose(f, "window menu", w7B);
    QCOMPARE(main.activeTableWindow(), &w7B);
    QCOMPARE(listsShow(bars), (QStringList{"Bob", "English", "R2", "7B"}));
    clickItem(bars, TreeBars::Tutors, "Ann");
    QCOMPARE(slotRows(f.db()), QStringList{"7B | Ann | R2 | English | Mon 09:40"});

    // The next choice is a plain one.
    choose(f, "window menu", w7A);
    QCOMPARE(main.activeTableWindow(), &w7A);
    QCOMPARE(listsShow(bars), (QStringList{"", "", "", ""}));
}

void tst_windowchoice::closingAListKeepsTheFocusInItsPanel_data() {
    QTest::addColumn<int>("list");
    QTest::newRow("Tutors") << int(TreeBars::Tutors);
    QTest::newRow("Subjects") << int(TreeBars::Subjects);
    QTest::newRow("Rooms") << int(TreeBars::Rooms);
    QTest::newRow("Classes") << int(TreeBars::Classes);
}

// The list's own link closes it while its tree has the focus: the focus goes to the list's
// name box, not on to a timetable window, and the active window stays.
void tst_windowchoice::closingAListKeepsTheFocusInItsPanel() {
    QFETCH(int, list);
    TestFixture f;
    const School s = makeSchool(f);
    frmMain& main = f.main();
    TreeBars& bars = main.picLeftBar();
    frmTableWindow& active = *windowOf(main, list == TreeBars::Rooms ? s.tt7B : s.ttR1);
    clickCell(active, 1, 1);
    putFocusIn(bars, "list", list);

    QTest::mouseClick(&bars.lblShow(list), Qt::LeftButton);
    QVERIFY(!bars.isExpanded(list));
    QCOMPARE(main.activeTableWindow(), &active);
    QCOMPARE(QApplication::focusWidget(), &bars.nameBox(list));
}

QTEST_MAIN(tst_windowchoice)
#include "tst_windowchoice.moc"
