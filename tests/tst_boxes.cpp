#include "TestData.h"
#include "TestFixture.h"

#include "app/MainMenus.h"
#include "app/MainToolBar.h"
#include "app/frmAbout.h"
#include "app/frmMain.h"
#include "app/frmSplash.h"
#include "app/frmTableOpen.h"
#include "app/frmTableWindow.h"
#include "app/frmTip.h"
#include "platform/FlexAlignment.h"
#include "platform/FlexGrid.h"
#include "platform/FlexGridData.h"
#include "platform/ProgramInfo.h"
#include "platform/SettingsStore.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <functional>

using namespace TestData;

namespace {

const QString ShowKey = QStringLiteral("Show Tips at Startup");
const QString CurrentKey = QStringLiteral("Current Tip");
const QString Unset = QStringLiteral("(unset)");

QString tipSetting(const QString& key) {
    return SettingsStore::GetSetting("periwell", "Options", key, Unset);
}

void storeTipSetting(const QString& key, const QString& value) {
    SettingsStore::SaveSetting("periwell", "Options", key, value);
}

void writeTips(const TestFixture& f, const QByteArray& content) {
    QFile file(f.folder() + "/TipOfTheDay.txt");
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

// Hands each modal dialog of type T to `drive`, at most `limit` times; any other dialog and
// any beyond the limit are cancelled and counted as unexpected.
struct DialogDriver {
    int handled = 0;
    int unexpected = 0;

    template <typename T> void install(std::function<int(T&)> drive, int limit = 1) {
        seams().modal = [this, drive, limit](QDialog& dialog) {
            auto* wanted = qobject_cast<T*>(&dialog);
            if (!wanted || handled >= limit) {
                ++unexpected;
                return int(QDialog::Rejected);
            }
            ++handled;
            return drive(*wanted);
        };
    }
};

// Shows the dialog (buttons answer Enter only while shown), does `act`, and gives back the
// result when `act` closed it, -1 when it is still open.
int showAndAct(QDialog& dialog, const std::function<void()>& act) {
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog))
        return -2;
    act();
    return dialog.isVisible() ? -1 : dialog.result();
}

QPoint inCell(const FlexGrid& g, int row, int col) {
    return {g.colPos(col) + 5, g.rowPos(row) + 5};
}

bool renameTutor(TestFixture& f, int tutorId, const QString& name) {
    return f.db().run("UPDATE Tutor SET Name = ? WHERE ID = ?", {name, tutorId}).ok();
}

} // namespace

class tst_boxes : public QObject {
    Q_OBJECT

private slots:
    void openListShowsEveryTimetableByKindThenId();
    void emptyOpenListTakesNoOpen();
    void openingMakesANewWindow_data();
    void openingMakesANewWindow();
    void openIsReachedFromMenusKeysAndToolbar_data();
    void openIsReachedFromMenusKeysAndToolbar();
    void openOnAVanishedTimetableDoesNothing();
    void cancelAndEscapeCloseTheList_data();
    void cancelAndEscapeCloseTheList();

    void tipSteps_data();
    void tipSteps();
    void nextTipWrapsAndStoresEachStep();
    void missingAndEmptyTipsFiles();
    void startupBoxStoresOnlyWhatTheUserClicks_data();
    void startupBoxStoresOnlyWhatTheUserClicks();
    void helpShowsTheTipWhileStartupTipsAreOff();

    void aboutShowsTheNamesAndCloses_data();
    void aboutShowsTheNamesAndCloses();
    void systemInfoSaysItIsUnavailable();
    void linkAndPictureOpenTheWebPage();
    void webAddressThatCannotBeOpenedIsShown_data();
    void webAddressThatCannotBeOpenedIsShown();
    void splashShowsItsContentAndClosesOnAClick();
};

// --- the open list ---

void tst_boxes::openListShowsEveryTimetableByKindThenId() {
    TestFixture f;
    const int ann = addName(f.db(), "Tutor", "Ann");
    const int tutorAnn = addTimetable(f.db(), "Tutor", ann, {"Mon"}, {{"09:00:00"}});
    const int class7 = addTimetable(f.db(), "Class", addName(f.db(), "Class", "7A"), {}, {});
    const int room = addTimetable(f.db(), "Room", addName(f.db(), "Room", "Lab 2"), {}, {});
    const int class8 = addTimetable(f.db(), "Class", addName(f.db(), "Class", "8B"), {}, {});
    const int tutorBob = addTimetable(f.db(), "Tutor", addName(f.db(), "Tutor", "Bob"), {}, {});
    QVERIFY(renameTutor(f, ann, "Annette"));
    frmTableOpen list(f.main());

    FlexGrid& g = list.g();
    QCOMPARE(list.windowTitle(), QStringLiteral("Open Timetable"));
    QCOMPARE(list.findChild<QLabel*>("Label2")->text(),
             QStringLiteral("Select the timetable to open:"));
    QCOMPARE(list.cmdOK().text(), QStringLiteral("Open"));
    QVERIFY(list.cmdOK().isDefault());
    QCOMPARE(list.cmdCancel().text(), QStringLiteral("Cancel"));
    QCOMPARE(g.FixedCols(), 0);
    QCOMPARE(g.TextMatrix(0, 0), QStringLiteral("Time Table"));
    QCOMPARE(g.TextMatrix(0, 1), QStringLiteral("Description"));
    QCOMPARE(std::pair(g.ColWidth(0), g.ColWidth(1)), std::pair(2800, 1500));

    const QList<std::tuple<QString, QString, int>> expected = {
        {"7A", "Class", class7},        {"8B", "Class", class8},    {"Lab 2", "Room", room},
        {"Annette", "Tutor", tutorAnn}, {"Bob", "Tutor", tutorBob},
    };
    QCOMPARE(g.Rows(), expected.size() + 1);
    for (int r = 1; r < g.Rows(); ++r) {
        const auto& [name, kind, id] = expected[r - 1];
        QCOMPARE(g.TextMatrix(r, 0), name);
        QCOMPARE(g.TextMatrix(r, 1), kind);
        QCOMPARE(g.RowData(r), id);
        QCOMPARE(g.data().alignmentAt(r, 0), int(flexAlignLeftCenter));
    }
    // The first timetable is current and highlighted across both columns.
    QCOMPARE(std::tuple(g.Row(), g.Col(), g.RowSel(), g.ColSel()), std::tuple(1, 0, 1, 1));
    QVERIFY(g.isEnabled());
    QVERIFY(list.cmdOK().isEnabled());
}

void tst_boxes::emptyOpenListTakesNoOpen() {
    TestFixture f;
    frmMain& main = f.main();
    frmTableOpen list(main);
    FlexGrid& g = list.g();
    QCOMPARE(g.Rows(), 2);
    QCOMPARE(g.TextMatrix(1, 0), QString());
    QVERIFY(!g.isEnabled());
    QVERIFY(!list.cmdOK().isEnabled());

    const int result = showAndAct(list, [&] {
        QTest::keyClick(&list, Qt::Key_Return);
        QTest::mouseDClick(g.viewport(), Qt::LeftButton, {}, inCell(g, 1, 0));
        list.cmdOK_Click();
    });
    QCOMPARE(result, -1);
    QVERIFY(main.timetableWindows().isEmpty());
    QVERIFY(f.boxes.calls.isEmpty());
}

void tst_boxes::openingMakesANewWindow_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Open button") << "button";
    QTest::newRow("double-click") << "double-click";
    QTest::newRow("Enter") << "enter";
}

void tst_boxes::openingMakesANewWindow() {
    QFETCH(QString, how);
    TestFixture f;
    addTimetable(f.db(), "Class", addName(f.db(), "Class", "7A"), {"Mon"}, {{"09:00:00"}});
    const int ann = addName(f.db(), "Tutor", "Ann");
    const int tutor = addTimetable(f.db(), "Tutor", ann, {"Mon", "Tue"}, {{"09:00:00"}});
    addSlot(f.db(), {"09:00:00", "Tue", 1, ann, 1, 1});
    frmMain& main = f.main();
    QCOMPARE(main.timetableWindows().size(), 2); // both open since the start

    DialogDriver driver;
    driver.install<frmTableOpen>([&](frmTableOpen& list) {
        FlexGrid& g = list.g();
        return showAndAct(list, [&] {
            if (how == "button") {
                g.setRow(2);
                QTest::mouseClick(&list.cmdOK(), Qt::LeftButton);
            } else if (how == "double-click") {
                QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, inCell(g, 2, 1));
                QTest::mouseDClick(g.viewport(), Qt::LeftButton, {}, inCell(g, 2, 1));
            } else {
                g.setFocus();
                QTest::keyClick(&g, Qt::Key_Down);
                QTest::keyClick(&g, Qt::Key_Return);
            }
        });
    });
    QVERIFY(f.trigger("mnuFileOpen"));
    QCOMPARE(driver.handled, 1);
    QCOMPARE(driver.unexpected, 0);

    // A second window on the open timetable, drawn from the same slots and made active.
    const QList<frmTableWindow*> windows = main.timetableWindows();
    QCOMPARE(windows.size(), 3);
    frmTableWindow* opened = windows.last();
    QCOMPARE(opened->Tag(), tutor);
    QVERIFY(opened->isVisible());
    QCOMPARE(main.activeTableWindow(), opened);
    QCOMPARE(opened->windowTitle(), windows[1]->windowTitle());
    QCOMPARE(opened->g().TextMatrix(2, 1), windows[1]->g().TextMatrix(2, 1));
    QCOMPARE(opened->g().TextMatrix(2, 0), QStringLiteral("tue"));
    // The drop-down keeps its one item for the timetable.
    int items = 0;
    for (const QAction* action : main.viewTableMenu()->actions())
        items += action->data().toString() == QStringLiteral("k%1").arg(tutor);
    QCOMPARE(items, 1);
}

void tst_boxes::openIsReachedFromMenusKeysAndToolbar_data() {
    QTest::addColumn<QString>("route");
    QTest::newRow("File > Open") << "mnuFileOpen";
    QTest::newRow("View > View Timetable") << "mnuViewTimetable";
    QTest::newRow("Ctrl+T") << "Ctrl+T";
    QTest::newRow("Ctrl+O") << "Ctrl+O";
    QTest::newRow("View Table button") << "View";
}

void tst_boxes::openIsReachedFromMenusKeysAndToolbar() {
    QFETCH(QString, route);
    TestFixture f;
    frmMain& main = f.main();
    if (route.startsWith("mnu")) {
        QVERIFY(f.trigger(route));
    } else if (route.startsWith("Ctrl")) {
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QTest::keySequence(&main, QKeySequence(route));
    } else {
        main.findChild<MainToolBar*>("ToolBar")->button(route)->trigger();
    }
    QCOMPARE(f.dialogs, QStringList{"frmTableOpen"});
}

void tst_boxes::openOnAVanishedTimetableDoesNothing() {
    TestFixture f;
    addTimetable(f.db(), "Class", addName(f.db(), "Class", "7A"), {"Mon"}, {{"09:00:00"}});
    frmMain& main = f.main();
    DialogDriver driver;
    driver.install<frmTableOpen>([](frmTableOpen& list) {
        list.g().setRowData(1, 9999); // as if the timetable went away meanwhile
        list.cmdOK_Click();
        return list.result();
    });
    QVERIFY(f.trigger("mnuFileOpen"));
    QCOMPARE(driver.handled, 1);
    QCOMPARE(main.timetableWindows().size(), 1);
    QVERIFY(f.boxes.calls.isEmpty());
}

void tst_boxes::cancelAndEscapeCloseTheList_data() {
    QTest::addColumn<bool>("escape");
    QTest::newRow("Cancel") << false;
    QTest::newRow("Escape") << true;
}

void tst_boxes::cancelAndEscapeCloseTheList() {
    QFETCH(bool, escape);
    TestFixture f;
    addTimetable(f.db(), "Class", addName(f.db(), "Class", "7A"), {"Mon"}, {{"09:00:00"}});
    frmTableOpen list(f.main());
    const int result = showAndAct(list, [&] {
        if (escape)
            QTest::keyClick(&list.g(), Qt::Key_Escape);
        else
            QTest::mouseClick(&list.cmdCancel(), Qt::LeftButton);
    });
    QCOMPARE(result, int(QDialog::Rejected));
    QCOMPARE(f.main().timetableWindows().size(), 1);
}

// --- the tip of the day ---

void tst_boxes::tipSteps_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("stored"); // "Current Tip" before; Unset for none
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("storedAfter");
    const QByteArray three = "one\ntwo\nthree\n";
    QTest::newRow("the very first showing shows line 2") << three << Unset << "two"
                                                         << "2";
    QTest::newRow("after the last line, line 1") << three << "3"
                                                 << "one"
                                                 << "1";
    QTest::newRow("beyond the file") << three << "7"
                                     << "one"
                                     << "1";
    QTest::newRow("zero") << three << "0"
                          << "one"
                          << "1";
    QTest::newRow("negative") << three << "-5"
                              << "one"
                              << "1";
    QTest::newRow("not a number") << three << "abc"
                                  << "one"
                                  << "1";
    QTest::newRow("empty") << three << ""
                           << "one"
                           << "1";
    QTest::newRow("beyond 32 bits") << three << "99999999999"
                                    << "one"
                                    << "1";
    QTest::newRow("CR LF line ends") << QByteArray("one\r\ntwo\r\nthree\r\n") << "1"
                                     << "two"
                                     << "2";
    QTest::newRow("a final line break adds no tip") << QByteArray("one\ntwo\n") << "2"
                                                    << "one"
                                                    << "1";
    QTest::newRow("no final line break") << QByteArray("one\ntwo") << "1"
                                         << "two"
                                         << "2";
    QTest::newRow("empty lines inside are tips") << QByteArray("one\n\nthree\n") << "2"
                                                 << "three"
                                                 << "3";
    QTest::newRow("UTF-8 with a byte order mark")
        << QByteArray("\xEF\xBB\xBF\xC3\xA9t\xC3\xA9\nhiver\n") << "2" << QString::fromUtf8("été")
        << "1";
}

void tst_boxes::tipSteps() {
    QFETCH(QByteArray, file);
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    QFETCH(QString, storedAfter);
    TestFixture f;
    writeTips(f, file);
    if (stored != Unset)
        storeTipSetting(CurrentKey, stored);
    frmTip tip;
    QCOMPARE(tip.lblTipText().text(), shown);
    QCOMPARE(tipSetting(CurrentKey), storedAfter);
}

void tst_boxes::nextTipWrapsAndStoresEachStep() {
    TestFixture f;
    writeTips(f, "one\ntwo\nthree\n");
    frmTip tip;
    QCOMPARE(tip.windowTitle(), QStringLiteral("Tip of the Day"));
    QCOMPARE(tip.findChild<QLabel*>("Label1")->text(), QStringLiteral("Did you know..."));
    QCOMPARE(tip.findChild<QLabel*>("Label1")->font().family(), QStringLiteral("Times New Roman"));
    QCOMPARE(tip.cmdNextTip().text(), QStringLiteral("&Next Tip"));
    QVERIFY(tip.cmdOK().isDefault());
    QStringList seen;
    for (int i = 0; i < 3; ++i) {
        QTest::mouseClick(&tip.cmdNextTip(), Qt::LeftButton);
        seen << tip.lblTipText().text() + "=" + tipSetting(CurrentKey);
    }
    QCOMPARE(seen, QStringList({"three=3", "one=1", "two=2"}));

    // OK, Enter and Escape close the dialog.
    for (const auto& close : std::initializer_list<std::function<void()>>{
             [&] { QTest::mouseClick(&tip.cmdOK(), Qt::LeftButton); },
             [&] { QTest::keyClick(&tip, Qt::Key_Return); },
             [&] { QTest::keyClick(&tip, Qt::Key_Escape); }}) {
        QVERIFY(showAndAct(tip, close) >= 0);
    }
}

void tst_boxes::missingAndEmptyTipsFiles() {
    TestFixture f;
    {
        frmTip tip;
        QCOMPARE(
            tip.lblTipText().text(),
            QStringLiteral("That the TipOfTheDay.txt file was not found? \r\n\r\nCreate a text "
                           "file named TipOfTheDay.txt using NotePad with 1 tip per line. "
                           "Then place it in the same directory as the application. "));
        QCOMPARE(tipSetting(CurrentKey), Unset);
        QVERIFY(!tip.LoadTips(QString()));
        QVERIFY(!tip.LoadTips(f.folder())); // a folder is no tips file
    }
    writeTips(f, "");
    frmTip tip;
    QCOMPARE(tip.lblTipText().text(), QString());
    QCOMPARE(tipSetting(CurrentKey), QStringLiteral("1"));
}

void tst_boxes::startupBoxStoresOnlyWhatTheUserClicks_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<QString>("storedAtLoad");
    QTest::newRow("nothing stored") << Unset << true << "1";
    QTest::newRow("1") << "1" << true << "1";
    QTest::newRow("another number") << "5" << true << "1";
    QTest::newRow("not a number") << "abc" << true << "1";
    QTest::newRow("0") << "0" << false << "0";
}

void tst_boxes::startupBoxStoresOnlyWhatTheUserClicks() {
    QFETCH(QString, stored);
    QFETCH(bool, ticked);
    QFETCH(QString, storedAtLoad);
    TestFixture f;
    writeTips(f, "one\ntwo\n");
    if (stored != Unset)
        storeTipSetting(ShowKey, stored);
    frmTip tip;
    QCOMPARE(tip.chkLoadTipsAtStartup().text(), QStringLiteral("&Show Tips at Startup"));
    QCOMPARE(tip.chkLoadTipsAtStartup().isChecked(), ticked);
    QCOMPARE(tipSetting(ShowKey), storedAtLoad);
    QTest::mouseClick(&tip.chkLoadTipsAtStartup(), Qt::LeftButton);
    QCOMPARE(tipSetting(ShowKey), ticked ? QStringLiteral("0") : QStringLiteral("1"));
    QTest::mouseClick(&tip.chkLoadTipsAtStartup(), Qt::LeftButton);
    QCOMPARE(tipSetting(ShowKey), storedAtLoad);
}

void tst_boxes::helpShowsTheTipWhileStartupTipsAreOff() {
    TestFixture f;
    writeTips(f, "one\ntwo\n");
    storeTipSetting(ShowKey, "0");
    DialogDriver driver;
    QString shown;
    bool ticked = true;
    driver.install<frmTip>([&](frmTip& tip) {
        shown = tip.lblTipText().text();
        ticked = tip.chkLoadTipsAtStartup().isChecked();
        return int(QDialog::Accepted);
    });
    QVERIFY(f.trigger("mnuHelpTipOfTheDay"));
    QCOMPARE(driver.handled, 1);
    QCOMPARE(shown, QStringLiteral("two"));
    QVERIFY(!ticked);
    QCOMPARE(tipSetting(ShowKey), QStringLiteral("0"));
}

// --- the about box and the splash ---

void tst_boxes::aboutShowsTheNamesAndCloses_data() {
    QTest::addColumn<int>("way");
    QTest::newRow("OK") << 0;
    QTest::newRow("Enter") << 1;
    QTest::newRow("Escape") << 2;
}

void tst_boxes::aboutShowsTheNamesAndCloses() {
    QFETCH(int, way);
    TestFixture f;
    DialogDriver driver;
    driver.install<frmAbout>([&](frmAbout& box) {
        const auto text = [&box](const char* name) { return box.findChild<QLabel*>(name)->text(); };
        [&] {
            QCOMPARE(box.windowTitle(), QStringLiteral("About"));
            QCOMPARE(text("lblProductName"), QStringLiteral("Periwell"));
            QCOMPARE(box.findChild<QLabel*>("lblProductName")->font().family(),
                     QStringLiteral("Arial"));
            QCOMPARE(text("lblCompanyProduct"), QStringLiteral("Quorvane"));
            QCOMPARE(
                text("lblDescription"),
                QStringLiteral("The timetable system for Schools, Colleges and Universities."));
            QVERIFY(text("Label2").contains(ProgramInfo::makerWebPage().toString()));
            QCOMPARE(text("lblDisclaimer"), ProgramInfo::legalNotice());
            QVERIFY(!box.Picture4().pixmap().isNull());
            QCOMPARE(box.cmdSysInfo().text(), QStringLiteral("&System Info..."));
            QVERIFY(box.cmdOK().isDefault());
        }();
        return showAndAct(box, [&] {
            if (way == 0)
                QTest::mouseClick(&box.cmdOK(), Qt::LeftButton);
            else
                QTest::keyClick(&box, way == 1 ? Qt::Key_Return : Qt::Key_Escape);
        });
    });
    QVERIFY(f.trigger("mnuHelpAbout"));
    QCOMPARE(driver.handled, 1);
    QVERIFY(f.boxes.calls.isEmpty());
}

void tst_boxes::systemInfoSaysItIsUnavailable() {
    TestFixture f;
    frmAbout box;
    const int result =
        showAndAct(box, [&] { QTest::mouseClick(&box.cmdSysInfo(), Qt::LeftButton); });
    QCOMPARE(result, -1); // the box stays open
    QCOMPARE(f.boxes.calls.size(), 1);
    QCOMPARE(f.boxes.last().text, QStringLiteral("System Information Is Unavailable At This Time"));
    QCOMPARE(f.boxes.last().buttons, int(vb::vbOKOnly));
    QCOMPARE(f.boxes.last().icon, 0);
}

void tst_boxes::linkAndPictureOpenTheWebPage() {
    TestFixture f;
    QList<QUrl> opened;
    seams().openUrl = [&opened](const QUrl& url) {
        opened << url;
        return true;
    };
    frmAbout box;
    const int result = showAndAct(box, [&] {
        QLabel& link = box.Label2();
        QTest::mouseClick(&link, Qt::LeftButton, {}, QPoint(8, link.height() / 2));
        QTest::mouseClick(&box.Picture4(), Qt::LeftButton);
    });
    QCOMPARE(result, -1);
    QCOMPARE(opened, QList<QUrl>({ProgramInfo::makerWebPage(), ProgramInfo::makerWebPage()}));
}

void tst_boxes::webAddressThatCannotBeOpenedIsShown_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<bool>("opens");
    for (const char* from : {"mnuHelpOnlineSupport", "mnuHelpSendFeedback", "Label2", "Picture4"}) {
        QTest::addRow("%s, no browser", from) << from << false;
        QTest::addRow("%s, opened", from) << from << true;
    }
}

void tst_boxes::webAddressThatCannotBeOpenedIsShown() {
    QFETCH(QString, from);
    QFETCH(bool, opens);
    TestFixture f;
    int tries = 0;
    seams().openUrl = [&](const QUrl&) {
        ++tries;
        return opens;
    };
    if (from.startsWith("mnu")) {
        f.main().menus().item(from)->trigger();
    } else {
        frmAbout box;
        QWidget* clicked = box.findChild<QWidget*>(from);
        QVERIFY(clicked);
        QCOMPARE(showAndAct(box,
                            [&] {
                                QTest::mouseClick(clicked, Qt::LeftButton, {},
                                                  QPoint(8, clicked->height() / 2));
                            }),
                 -1);
    }
    QCOMPARE(tries, 1);
    if (opens) {
        QVERIFY(f.boxes.calls.isEmpty());
        return;
    }
    QCOMPARE(f.boxes.calls.size(), 1);
    const MsgBoxCall& box = f.boxes.last();
    QVERIFY2(box.text.contains("could not be opened"), qPrintable(box.text));
    QVERIFY2(box.text.contains(ProgramInfo::makerWebPage().toString()), qPrintable(box.text));
    QCOMPARE(box.buttons, int(vb::vbOKOnly));
    QCOMPARE(box.icon, int(vb::vbExclamation));
}

void tst_boxes::splashShowsItsContentAndClosesOnAClick() {
    TestFixture f;
    frmSplash splash;
    QCOMPARE(splash.findChild<QLabel*>("lblProductName")->text(), QStringLiteral("Periwell"));
    QCOMPARE(splash.findChild<QLabel*>("lblCompanyProduct")->text(), QStringLiteral("Quorvane"));
    QCOMPARE(splash.findChild<QLabel*>("lblDisclaimer")->text(), ProgramInfo::legalNotice());
    for (const char* picture : {"Picture1", "Picture2", "Picture3"})
        QVERIFY2(!splash.findChild<QLabel*>(picture)->pixmap().isNull(), picture);
    QWidget* frame = splash.findChild<QWidget*>("Frame1");
    QVERIFY(frame);
    const int result =
        showAndAct(splash, [&] { QTest::mouseClick(frame, Qt::LeftButton, {}, QPoint(3, 3)); });
    QVERIFY(result >= 0);
}

QTEST_MAIN(tst_boxes)
#include "tst_boxes.moc"
