#include "TestData.h"
#include "TestFixture.h"

#include "WizardScript.h"

#include "app/MainToolBar.h"
#include "app/Startup.h"
#include "app/frmMain.h"
#include "app/frmSplash.h"
#include "app/frmTableWindow.h"
#include "platform/FlexGrid.h"
#include "platform/HelpViewer.h"
#include "platform/Resources.h"
#include "platform/SettingsStore.h"
#include "setup/WizardPage.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTextStream>
#include <QWindow>

using namespace TestData;

namespace {

// The splash runs for real: its 200 ms timer loads the main window. Any other dialog (the tip
// of the day) is closed at once.
int runSplashForReal(QDialog& dialog) {
    if (dialog.objectName() != QLatin1String("frmSplash"))
        return QDialog::Rejected;
    return dialog.exec();
}

void storeShowTips(const QString& value) {
    SettingsStore::SaveSetting("periwell", "Options", "Show Tips at Startup", value);
}

void markFirstRunDone() {
    SettingsStore::SaveSetting("Velmora", "Config", "FirstRun", "False");
}

} // namespace

class tst_startup : public QObject {
    Q_OBJECT

private slots:
    void emptyDatabaseStartsWithNoWindows();
    void everyStoredTimetableIsReopenedAndDrawn();
    void timetablesReopenWhereAndHowTheyAlwaysOpened();
    void splashClosedByKeyStillLoadsTheMainWindow();
    void databaseErrorInTheSplashEndsTheStart();
    void firstRunPromptsOnce_data();
    void firstRunPromptsOnce();
    void tipComesAfterTheMainWindowAndBeforeTheFirstRunPrompt_data();
    void tipComesAfterTheMainWindowAndBeforeTheFirstRunPrompt();
    void untickedTipIsNotShownAtTheNextStart();
    void firstRunTutorialOpensInFrontOfTheMainWindow();
    void helpStaysUsableBesideAWizardPage();
    void everyWindowShowsTheProgramIcon();
};

void tst_startup::emptyDatabaseStartsWithNoWindows() {
    TestFixture f;
    markFirstRunDone();
    seams().modal = runSplashForReal;
    ModMain shared;
    Result<std::unique_ptr<frmMain>> started = StartUp(shared, wireCommands);
    QVERIFY(started);
    frmMain& window = *started.value();
    QVERIFY(window.isVisible());
    QVERIFY(!window.AnyTimeTablesLoaded());
    QVERIFY(!shared.StartingUp);
    QVERIFY(shared.GridEventsEnabled);
    QVERIFY(shared.TreeClickWritesSlot);
    QVERIFY(!shared.KeepSpecialID);
    QCOMPARE(shared.CreateTTViewBy, QStringLiteral("Class"));
    QVERIFY(shared.CreateTTShowWelcome);
    QVERIFY(shared.AutoFillShowWelcome);
    QCOMPARE(window.windowTitle(), QStringLiteral("Quorvane Periwell"));
    QVERIFY(f.boxes.calls.isEmpty());
}

void tst_startup::everyStoredTimetableIsReopenedAndDrawn() {
    TestFixture f;
    markFirstRunDone();
    const int a =
        addTimetable(f.db(), "Class", addName(f.db(), "Class", "7A"), {"Mon"}, {{"09:00:00"}});
    const int b =
        addTimetable(f.db(), "Tutor", addName(f.db(), "Tutor", "Ann"), {"Tue"}, {{"10:00:00"}});
    const int c =
        addTimetable(f.db(), "Room", addName(f.db(), "Room", "R1"), {"Wed"}, {{"11:00:00"}});
    seams().modal = runSplashForReal;
    ModMain shared;
    Result<std::unique_ptr<frmMain>> started = StartUp(shared, wireCommands);
    QVERIFY(started);
    const QList<frmTableWindow*> windows = started.value()->timetableWindows();
    QCOMPARE(windows.size(), 3);
    QCOMPARE(windows[0]->Tag(), a);
    QCOMPARE(windows[1]->Tag(), b);
    QCOMPARE(windows[2]->Tag(), c);
    QCOMPARE(windows[1]->windowTitle(), QStringLiteral("Tutor Ann"));
    QCOMPARE(windows[2]->g().TextMatrix(1, 0), QStringLiteral("wed"));
    for (frmTableWindow* window : windows)
        QVERIFY(window->isVisible());
}

namespace {

// Window by window in opening order: its timetable, place and size; then the windows from the
// back to the front, and the active one.
QString windowLayout(const frmMain& main) {
    QString text;
    QTextStream out(&text);
    const auto tagOf = [](const QMdiSubWindow* sub) {
        return qobject_cast<const frmTableWindow*>(sub->widget())->Tag();
    };
    for (const QMdiSubWindow* sub : main.mdiArea()->subWindowList(QMdiArea::CreationOrder)) {
        const QRect place = sub->geometry();
        out << tagOf(sub) << ": " << place.x() << " " << place.y() << " " << place.width() << " "
            << place.height() << "\n";
    }
    out << "stacked:";
    for (const QMdiSubWindow* sub : main.mdiArea()->subWindowList(QMdiArea::StackingOrder))
        out << " " << tagOf(sub);
    out << "\nactive: " << tagOf(main.mdiArea()->currentSubWindow()) << "\n";
    return text;
}

} // namespace

void tst_startup::timetablesReopenWhereAndHowTheyAlwaysOpened() {
    TestFixture f;
    markFirstRunDone();
    // Sizes that differ, and more windows than fit side by side: each one's place depends on
    // those opened before it.
    const QStringList week = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    const QList<Period> day = {{"09:00:00"}, {"09:40:00"}, {"10:20:00"}, {"11:00:00"},
                               {"11:40:00"}, {"13:00:00"}, {"13:40:00"}, {"14:20:00"},
                               {"15:00:00"}, {"15:40:00"}};
    for (int i = 0; i < 16; ++i) {
        const int owner = addName(f.db(), "Class", QStringLiteral("Class %1").arg(i));
        addTimetable(f.db(), "Class", owner, week.mid(0, 1 + i % 7), day.mid(0, 1 + (i * 3) % 10));
    }
    seams().modal = runSplashForReal;
    ModMain shared;
    Result<std::unique_ptr<frmMain>> started = StartUp(shared, wireCommands);
    QVERIFY(started);
    QFile golden(QFINDTESTDATA("golden/startup-windows.txt"));
    QVERIFY(golden.open(QIODevice::ReadOnly | QIODevice::Text));
    QCOMPARE(windowLayout(*started.value()), QString::fromUtf8(golden.readAll()));
}

void tst_startup::splashClosedByKeyStillLoadsTheMainWindow() {
    TestFixture f;
    markFirstRunDone();
    bool closedEarly = false;
    seams().modal = [&closedEarly](QDialog& splash) {
        if (splash.objectName() != QLatin1String("frmSplash"))
            return int(QDialog::Rejected);
        splash.show();
        QTest::keyClick(&splash, Qt::Key_Space);
        closedEarly = !splash.isVisible();
        return splash.result();
    };
    ModMain shared;
    Result<std::unique_ptr<frmMain>> started = StartUp(shared, wireCommands);
    QVERIFY(closedEarly);
    QVERIFY(started);
    QVERIFY(started.value()->isLoaded());
    QVERIFY(started.value()->isVisible());
}

void tst_startup::databaseErrorInTheSplashEndsTheStart() {
    TestFixture f;
    markFirstRunDone();
    QVERIFY(QFile::remove(f.dbPath()));
    QFile text(f.dbPath());
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write(QByteArray(3000, 'x'));
    text.close();
    bool splashClosed = false;
    seams().modal = [&splashClosed](QDialog& splash) {
        const int result = splash.exec();
        splashClosed = !splash.isVisible();
        return result;
    };
    ModMain shared;
    Result<std::unique_ptr<frmMain>> started = StartUp(shared, wireCommands);
    QVERIFY(splashClosed);
    QVERIFY(!started);
    QVERIFY(started.error().message.contains("not a database"));
    QCOMPARE(QFile(f.dbPath()).size(), 3000);
}

void tst_startup::firstRunPromptsOnce_data() {
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<int>("boxes");
    QTest::addColumn<QStringList>("help");
    QTest::addColumn<bool>("wizard");
    QTest::newRow("yes: tutorial, then the wizard")
        << QList<int>{vb::vbYes} << 1 << QStringList{"context 3"} << true;
    QTest::newRow("no, then yes: the wizard")
        << QList<int>{vb::vbNo, vb::vbYes} << 2 << QStringList{} << true;
    QTest::newRow("no, then no") << QList<int>{vb::vbNo, vb::vbNo} << 2 << QStringList{} << false;
    QTest::newRow("cancel, then cancel")
        << QList<int>{vb::vbCancel, vb::vbCancel} << 2 << QStringList{} << false;
}

void tst_startup::firstRunPromptsOnce() {
    QFETCH(QList<int>, answers);
    QFETCH(int, boxes);
    QFETCH(QStringList, help);
    QFETCH(bool, wizard);
    TestFixture f;
    QStringList helpCalls;
    seams().help = [&helpCalls](const QString& command, int context) {
        helpCalls << QStringLiteral("%1 %2").arg(command).arg(context);
    };
    QStringList pages;
    seams().modal = [&pages](QDialog& dialog) {
        if (dialog.objectName() == QLatin1String("frmSplash"))
            return 0;
        if (auto* page = qobject_cast<WizardPage*>(&dialog)) {
            pages << dialog.objectName();
            page->cmdCancel().click();
        }
        return int(QDialog::Rejected); // the tip of the day: closed
    };
    f.boxes.answers = answers;
    auto shared = std::make_unique<ModMain>();
    QVERIFY(StartUp(*shared, wireCommands));
    shared.reset(); // the program ends before the next start
    QCOMPARE(f.boxes.calls.size(), boxes);
    QCOMPARE(f.boxes.calls[0].text,
             QStringLiteral(
                 "We've noticed that this is the first time you have launched Quorvane Periwell. "
                 "You may find it useful to follow the getting started tutorial. Would you like "
                 "to view it now?"));
    QCOMPARE(f.boxes.calls[0].icon, int(vb::vbQuestion));
    QCOMPARE(f.boxes.calls[0].buttons, int(vb::vbYesNoCancel));
    if (boxes == 2)
        QCOMPARE(f.boxes.calls[1].text,
                 QStringLiteral("Would you like to run the 'New Timetable Wizard' now?"));
    QCOMPARE(helpCalls, help);
    QCOMPARE(pages, wizard ? QStringList{"frmScr_CreateTT_Welcome"} : QStringList{});
    QCOMPARE(SettingsStore::GetSetting("Velmora", "Config", "FirstRun", "True"),
             QStringLiteral("False"));

    f.boxes.calls.clear();
    ModMain again;
    QVERIFY(StartUp(again, wireCommands));
    QVERIFY(f.boxes.calls.isEmpty());
}

void tst_startup::tipComesAfterTheMainWindowAndBeforeTheFirstRunPrompt_data() {
    QTest::addColumn<QString>("stored"); // "-": nothing stored
    QTest::addColumn<bool>("shown");
    QTest::newRow("nothing stored") << "-" << true;
    QTest::newRow("1") << "1" << true;
    QTest::newRow("0") << "0" << false;
    QTest::newRow("not a number") << "abc" << true;
    QTest::newRow("empty") << "" << true;
    QTest::newRow("negative") << "-5" << true;
    QTest::newRow("beyond 32 bits") << "99999999999" << true;
}

void tst_startup::tipComesAfterTheMainWindowAndBeforeTheFirstRunPrompt() {
    QFETCH(QString, stored);
    QFETCH(bool, shown);
    TestFixture f;
    if (stored != QLatin1String("-"))
        storeShowTips(stored);
    QStringList order;
    ModMain shared;
    seams().modal = [&](QDialog& dialog) {
        if (dialog.objectName() == QLatin1String("frmSplash"))
            return dialog.exec();
        auto* main = qobject_cast<frmMain*>(dialog.parentWidget());
        order << QStringLiteral("%1 over %2 window, %3 boxes before")
                     .arg(dialog.objectName(), main && main->isVisible() ? "a shown" : "no")
                     .arg(f.boxes.calls.size());
        return int(QDialog::Accepted);
    };
    f.boxes.answers = {vb::vbNo, vb::vbNo};
    QVERIFY(StartUp(shared, wireCommands));
    QCOMPARE(order,
             shown ? QStringList{"frmTip over a shown window, 0 boxes before"} : QStringList{});
    QCOMPARE(f.boxes.calls.size(), 2); // the first-run prompts come all the same
}

void tst_startup::untickedTipIsNotShownAtTheNextStart() {
    TestFixture f;
    markFirstRunDone();
    int tips = 0;
    seams().modal = [&tips](QDialog& dialog) {
        if (dialog.objectName() == QLatin1String("frmSplash"))
            return dialog.exec();
        ++tips;
        QTest::mouseClick(dialog.findChild<QCheckBox*>("chkLoadTipsAtStartup"), Qt::LeftButton);
        return int(QDialog::Accepted);
    };
    auto first = std::make_unique<ModMain>();
    QVERIFY(StartUp(*first, wireCommands));
    first.reset(); // the program ends before the next start
    QCOMPARE(tips, 1);
    QCOMPARE(SettingsStore::GetSetting("periwell", "Options", "Show Tips at Startup", "-"),
             QStringLiteral("0"));
    ModMain second;
    QVERIFY(StartUp(second, wireCommands));
    QCOMPARE(tips, 1);
}

void tst_startup::firstRunTutorialOpensInFrontOfTheMainWindow() {
    TestFixture f;
    frmMain& main = f.main();
    QStringList pages;
    seams().modal = [&pages](QDialog& dialog) {
        pages << dialog.objectName();
        if (auto* page = qobject_cast<WizardPage*>(&dialog))
            page->cmdCancel().click();
        return int(QDialog::Rejected);
    };
    f.boxes.answers = {vb::vbYes}; // the tutorial, then the wizard
    main.FirstRun();
    QCOMPARE(pages, QStringList{"frmScr_CreateTT_Welcome"});

    auto* help = main.findChild<HelpViewer*>(QStringLiteral("frmHelp"));
    QVERIFY(help);
    QVERIFY(help->isVisible());
    QCOMPARE(help->currentPage(), HelpCatalog::GettingStartedPage);
    QTRY_COMPARE(QApplication::activeWindow(), help);
    // A window manager keeps a dialog-type window above the program's windows, also when it
    // raises the main window with each wizard page; not being the main window's transient, it is
    // not blocked with it.
    QCOMPARE(help->windowType(), Qt::Dialog);
    QVERIFY(help->windowHandle());
    QCOMPARE(help->windowHandle()->transientParent(), nullptr);
    QVERIFY(help->windowFlags().testFlag(Qt::WindowMinMaxButtonsHint));
    QVERIFY(help->windowFlags().testFlag(Qt::WindowCloseButtonHint));
}

void tst_startup::helpStaysUsableBesideAWizardPage() {
    TestFixture f;
    frmMain& main = f.main();
    HelpViewer* help = nullptr;
    int scrolledBy = 0;
    QString pageBefore;
    QString pageAfter;
    Qt::WindowModality modality = Qt::NonModal;
    WizardScript script(2); // a second dialog would come from a click the page should block
    script.then([&](QDialog& page) {
        modality = page.windowModality();
        // Shown modally, as the modal runner does on a desktop.
        page.setAttribute(Qt::WA_ShowModal, true);
        page.show();
        help = main.findChild<HelpViewer*>(QStringLiteral("frmHelp"));
        QVERIFY(help && help->isVisible());
        QWindow* helpWindow = help->windowHandle();
        auto* browser = help->findChild<QTextBrowser*>(QStringLiteral("txtTopic"));
        QScrollBar* bar = browser->verticalScrollBar();
        QTRY_VERIFY(bar->maximum() > 0);
        // A click in the bar below its handle scrolls the page down.
        const int before = bar->value();
        QTest::mouseClick(
            helpWindow, Qt::LeftButton, {},
            bar->mapTo(help, QPoint(bar->width() / 2, bar->height() - bar->width() - 3)));
        scrolledBy = bar->value() - before;
        // A click on a topic of the contents opens it.
        auto* contents = help->findChild<QListWidget*>(QStringLiteral("lstContents"));
        pageBefore = help->currentPage();
        QListWidgetItem* topic = contents->item(contents->count() - 1);
        QTest::mouseClick(
            helpWindow, Qt::LeftButton, {},
            contents->viewport()->mapTo(help, contents->visualItemRect(topic).center()));
        pageAfter = help->currentPage();
        // The main window stays blocked: its Manage button does nothing.
        QWidget* manage =
            main.toolBar().widgetForAction(main.toolBar().button(QStringLiteral("Manage")));
        QVERIFY(manage);
        QTest::mouseClick(main.windowHandle(), Qt::LeftButton, {},
                          manage->mapTo(&main, manage->rect().center()));
        page.hide();
        page.setAttribute(Qt::WA_ShowModal, false);
        press(page, "cmdCancel");
    });
    f.boxes.answers = {vb::vbYes}; // the tutorial, then the wizard
    main.FirstRun();

    QVERIFY(script.finished());
    QCOMPARE(script.shown, QStringList{"frmScr_CreateTT_Welcome"});
    QCOMPARE(script.unexpected, 0);
    QVERIFY2(scrolledBy > 0, qPrintable(QString::number(scrolledBy)));
    QCOMPARE(pageBefore, HelpCatalog::GettingStartedPage);
    QVERIFY(pageAfter != pageBefore);
    QCOMPARE(modality, Qt::WindowModal);
}

void tst_startup::everyWindowShowsTheProgramIcon() {
    TestFixture f;
    markFirstRunDone();
    addTimetable(f.db(), "Class", addName(f.db(), "Class", "7A"), {"Mon"}, {{"09:00:00"}});
    const QImage own = Resources::programIcon().pixmap(32).toImage();
    QVERIFY(!own.isNull());
    const auto showsOwn = [&own](const QWidget& window) {
        return window.windowIcon().pixmap(32).toImage() == own;
    };
    bool tipShowsOwn = false;
    seams().modal = [&](QDialog& dialog) {
        if (dialog.objectName() == QLatin1String("frmSplash"))
            return dialog.exec();
        tipShowsOwn = showsOwn(dialog);
        return int(QDialog::Rejected);
    };
    ModMain shared;
    Result<std::unique_ptr<frmMain>> started = StartUp(shared, wireCommands);
    QVERIFY(started);
    frmMain& main = *started.value();
    QVERIFY(showsOwn(main));
    QVERIFY(tipShowsOwn);
    const QList<frmTableWindow*> windows = main.timetableWindows();
    QCOMPARE(windows.size(), 1);
    auto* sub = qobject_cast<QMdiSubWindow*>(windows.first()->parentWidget());
    QVERIFY(showsOwn(*sub));
    // Maximised, the window's icon moves into the main window's menu bar.
    sub->showMaximized();
    QVERIFY(showsOwn(*sub));
}

QTEST_MAIN(tst_startup)
#include "tst_startup.moc"
