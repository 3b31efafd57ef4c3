#include "LeftBarDriver.h"
#include "TestData.h"
#include "TestFixture.h"
#include "WizardScript.h"

#include "app/MainMenus.h"
#include "app/TreeBars.h"
#include "app/frmMain.h"
#include "app/frmTableWindow.h"
#include "app/frmTip.h"
#include "output/frmFind.h"
#include "platform/LiteralText.h"
#include "platform/MsgBox.h"
#include "setup/frmManage.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QWindow>

using namespace TestData;

namespace {

// Names a school has typed, each read by Qt as marks somewhere when taken as they are.
void addOddNames() {
    QTest::addColumn<QString>("name");
    QTest::newRow("markup") << "<b>bold</b><script>alert(1)</script>&amp;";
    QTest::newRow("ampersand") << "R&D";
    QTest::newRow("two ampersands") << "Smith && Jones";
    QTest::newRow("title placeholder") << "A [*] B";
    QTest::newRow("two placeholders") << "[*][*]";
    QTest::newRow("tips line") << "<b>bold</b> <img src=\"x\"> &amp;";
}

// Qt draws a label's or a box's text as markup when told so, or when left to guess and the text
// looks like markup.
template <typename Shown> bool drawsMarkup(const Shown& shown) {
    return shown.textFormat() == Qt::RichText || shown.textFormat() == Qt::MarkdownText ||
           (shown.textFormat() == Qt::AutoText && Qt::mightBeRichText(shown.text()));
}

// The text a menu draws for an item: its '&' marks taken out.
QString shownInMenu(const QAction& item) {
    return item.iconText();
}

int tutorTimetable(TestFixture& f, const QString& name) {
    const int tutor = addName(f.db(), "Tutor", name);
    return addTimetable(f.db(), "Tutor", tutor, {"Mon"}, {{"09:00:00", 40}});
}

frmTableWindow* windowOf(frmMain& main, int timetableId) {
    for (frmTableWindow* window : main.timetableWindows()) {
        if (window->Tag() == timetableId)
            return window;
    }
    return nullptr;
}

// A name longer than Qt's line edits take by default (32,767 characters).
const QString LongName = QString(50'000, QLatin1Char('a')) + QString(50'000, QLatin1Char('b'));

// Pastes `text` into the box from the clipboard, as a user does with Ctrl+V.
void paste(QLineEdit& box, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    box.setFocus(Qt::MouseFocusReason);
    box.selectAll();
    QTest::keySequence(&box, QKeySequence::Paste);
}

} // namespace

class tst_oddnames : public QObject {
    Q_OBJECT
private slots:
    void timetableTitleLabelShowsTheName_data() { addOddNames(); }
    void timetableTitleLabelShowsTheName();
    void tipLineIsShownAsWritten_data() { addOddNames(); }
    void tipLineIsShownAsWritten();
    void messageBoxShowsItsTextAsGiven_data() { addOddNames(); }
    void messageBoxShowsItsTextAsGiven();
    void menusListTheNameAsTyped_data() { addOddNames(); }
    void menusListTheNameAsTyped();
    void menusShowTabsAndLineBreaksAsSpaces_data();
    void menusShowTabsAndLineBreaksAsSpaces();
    void windowTitleShowsTheNameAsTyped_data() { addOddNames(); }
    void windowTitleShowsTheNameAsTyped();
    void timetableWindowTitleKeepsThePlaceholder();

    void manageAddStoresAPastedLongNameWhole();
    void leftBarBoxAddsAPastedLongNameWhole();
    void wizardStoresALongOwnerAndDayWhole();
    void findBoxTakesALongTextWhole();
    void longNamesTimetableOpensInReach();
};

void tst_oddnames::timetableTitleLabelShowsTheName() {
    QFETCH(QString, name);
    TestFixture f;
    const int id = tutorTimetable(f, name);
    frmTableWindow* window = windowOf(f.main(), id);
    QVERIFY(window);
    QCOMPARE(window->lblTitle().text(), "Tutor " + name);
    QVERIFY(!drawsMarkup(window->lblTitle()));
}

void tst_oddnames::tipLineIsShownAsWritten() {
    QFETCH(QString, name);
    TestFixture f;
    QFile file(f.folder() + "/TipOfTheDay.txt");
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(name.toUtf8() + "\n");
    file.close();
    frmTip tip;
    QCOMPARE(tip.lblTipText().text(), name);
    QVERIFY(!drawsMarkup(tip.lblTipText()));
}

void tst_oddnames::messageBoxShowsItsTextAsGiven() {
    QFETCH(QString, name);
    SeamsReset realBoxes;
    seams().msgBox = nullptr;
    // Should the box not be found, it is closed all the same, and the test fails on `seen`.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    watchdog.start(5000);
    int seen = 0;
    QString shownText;
    bool markup = true;
    // The box is modal: look at it and close it from inside its own event loop.
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        ++seen;
        shownText = box->text();
        markup = drawsMarkup(*box);
        box->button(QMessageBox::Ok)->click();
    });
    const QString text = "The name \"" + name + "\" could not be added.\r\n\r\nDisk full";
    QCOMPARE(MsgBox(text, vb::vbExclamation), int(vb::vbOK));
    QCOMPARE(seen, 1);
    QCOMPARE(shownText, text);
    QVERIFY(!markup);
}

void tst_oddnames::menusListTheNameAsTyped() {
    QFETCH(QString, name);
    TestFixture f;
    const int id = tutorTimetable(f, name);
    frmMain& main = f.main();

    const QList<QAction*> viewTable = main.viewTableMenu()->actions();
    QCOMPARE(viewTable.size(), 1);
    QCOMPARE(shownInMenu(*viewTable.first()), "Tutor " + name);
    QCOMPARE(viewTable.first()->data().toString(), QStringLiteral("k%1").arg(id));

    QMenu& window = *main.menus().menu("mnuWindow");
    emit window.aboutToShow();
    QStringList listed;
    for (const QAction* item : window.actions()) {
        if (item->isCheckable())
            listed << shownInMenu(*item);
    }
    QCOMPARE(listed, QStringList{"1 Tutor " + name});
}

void tst_oddnames::menusShowTabsAndLineBreaksAsSpaces_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown");
    QTest::newRow("tab") << "Class\tName"
                         << "Class Name";
    QTest::newRow("line feed") << "Two\nLines"
                               << "Two Lines";
    QTest::newRow("CR LF") << "Two\r\nLines"
                           << "Two Lines";
    QTest::newRow("carriage return") << "Two\rLines"
                                     << "Two Lines";
    QTest::newRow("tab and ampersand") << "R&D\tLab"
                                       << "R&D Lab";
}

void tst_oddnames::menusShowTabsAndLineBreaksAsSpaces() {
    QFETCH(QString, name);
    QFETCH(QString, shown);
    TestFixture f;
    const int id = tutorTimetable(f, name);
    frmMain& main = f.main();

    // A tab would put the rest of the name into the shortcut column.
    const QAction& viewTable = *main.viewTableMenu()->actions().first();
    QCOMPARE(shownInMenu(viewTable), "Tutor " + shown);

    QMenu& window = *main.menus().menu("mnuWindow");
    emit window.aboutToShow();
    const QAction& listed = *window.actions().last();
    QCOMPARE(shownInMenu(listed), "1 Tutor " + shown);

    // Only the menus show it otherwise: the name is kept as typed.
    QCOMPARE(LiteralText::windowTitle(*windowOf(main, id)), "Tutor " + name);
    Result<std::optional<QSqlRecord>> stored =
        f.db().firstRow(QStringLiteral("SELECT Name FROM Tutor WHERE id = (SELECT TutorID FROM "
                                       "TimeTableView WHERE ID = ?)"),
                        {id});
    QVERIFY(stored && stored.value());
    QCOMPARE(stored.value()->value(0).toString(), name);
}

void tst_oddnames::windowTitleShowsTheNameAsTyped() {
    QFETCH(QString, name);
    QWidget window;
    LiteralText::setWindowTitle(window, name);
    window.winId(); // the desktop's window, whose title the frame draws
    QCOMPARE(window.windowHandle()->title(), name);
    QCOMPARE(LiteralText::windowTitle(window), name);
}

void tst_oddnames::timetableWindowTitleKeepsThePlaceholder() {
    TestFixture f;
    const int room = addName(f.db(), "Room", "A [*] B");
    const int id = addTimetable(f.db(), "Room", room, {"Mon"}, {{"09:00:00", 40}});
    frmTableWindow* window = windowOf(f.main(), id);
    QVERIFY(window);
    auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    QVERIFY(sub);
    QCOMPARE(LiteralText::windowTitle(*window), QStringLiteral("Room A [*] B"));
    QCOMPARE(LiteralText::windowTitle(*sub), QStringLiteral("Room A [*] B"));
    // Maximised, the window's title joins the main window's, which the desktop draws.
    sub->showMaximized();
    QVERIFY(f.main().windowHandle()->title().contains(QStringLiteral("[Room A [*] B]")));
}

void tst_oddnames::manageAddStoresAPastedLongNameWhole() {
    TestFixture f;
    frmManage dialog(f.main());
    dialog.SelectTab(NameLists::Tutor);
    WizardScript script(1);
    script.then([](QDialog& editor) {
        auto* name = editor.findChild<QLineEdit*>(QStringLiteral("txtName"));
        QVERIFY(name);
        paste(*name, LongName);
        QCOMPARE(name->text().size(), LongName.size());
        press(editor, "cmdOK");
    });
    press(dialog, "cmdOK"); // the tutors' Add button
    QVERIFY(script.finished());
    QCOMPARE(script.unexpected, 0);
    QCOMPARE(scalar(f.db(), "SELECT MAX(LENGTH(Name)) FROM Tutor"), LongName.size());
    QCOMPARE(scalar(f.db(), "SELECT COUNT(*) FROM Tutor WHERE Name = ?", {LongName}), 1);
    QVERIFY(!dialog.list(NameLists::Tutor).findItems(LongName, Qt::MatchExactly).isEmpty());
}

void tst_oddnames::leftBarBoxAddsAPastedLongNameWhole() {
    TestFixture f;
    TreeBars& bars = f.main().picLeftBar();
    NameBox& box = bars.nameBox(TreeBars::Rooms);
    paste(box, LongName);
    QCOMPARE(box.text().size(), LongName.size());
    LeftBarDriver::leaveTo(bars, TreeBars::Rooms, TreeBars::Classes);
    QCOMPARE(scalar(f.db(), "SELECT COUNT(*) FROM Room WHERE Name = ?", {LongName}), 1);
    QVERIFY(bars.FindTreeNodeByText(TreeBars::Rooms, LongName));
    QVERIFY(f.boxes.calls.isEmpty());
}

void tst_oddnames::wizardStoresALongOwnerAndDayWhole() {
    TestFixture f;
    addSmallSchool(f.db());
    const QString longDay = "Day " + LongName;
    const auto next = [](QDialog& page) { press(page, "cmdNext"); };
    WizardScript script;
    script.then(next).then(next).then(next); // welcome, style, type (class)
    script.then([](QDialog& who) {
        auto* owner = who.findChild<QLineEdit*>(QStringLiteral("txtWho"));
        QVERIFY(owner);
        paste(*owner, LongName);
        press(who, "cmdNext");
    });
    script.then([](QDialog& days) { press(days, "cmdCustom"); });
    script.then([&longDay](QDialog& custom) {
        auto* day = custom.findChild<QLineEdit*>(QStringLiteral("txtAdd"));
        QVERIFY(day);
        paste(*day, longDay);
        press(custom, "cmdAdd");
        press(custom, "cmdNext");
    });
    script.then(next).then(next); // hours, finished
    QVERIFY(f.trigger("mnuFileNew"));
    QCOMPARE(script.unexpected, 0);
    QVERIFY(script.finished());
    QCOMPARE(scalar(f.db(), "SELECT COUNT(*) FROM Class WHERE Name = ?", {LongName}), 1);
    QCOMPARE(scalar(f.db(), "SELECT COUNT(*) FROM YTitle WHERE DOW = ?", {longDay}), 1);
}

void tst_oddnames::findBoxTakesALongTextWhole() {
    TestFixture f;
    frmFind find(f.main());
    paste(find.txtFind(), LongName);
    QCOMPARE(find.txtFind().text().size(), LongName.size());
}

void tst_oddnames::longNamesTimetableOpensInReach() {
    TestFixture f;
    const int id = tutorTimetable(f, LongName);
    frmTableWindow* window = windowOf(f.main(), id);
    QVERIFY(window);
    QCOMPARE(window->lblTitle().text(), "Tutor " + LongName);
    auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    QVERIFY(sub);
    const QRect workspace = f.main().mdiArea()->viewport()->rect();
    QVERIFY2(workspace.contains(sub->geometry().topLeft()),
             qPrintable(QStringLiteral("at %1, %2").arg(sub->x()).arg(sub->y())));
    QVERIFY(sub->width() <= workspace.width());
}

QTEST_MAIN(tst_oddnames)
#include "tst_oddnames.moc"
