#include "platform/HelpCatalog.h"
#include "platform/HelpViewer.h"
#include "platform/Resources.h"
#include "platform/Seams.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>

#include <utility>

namespace {

// The source folder of the resources, next to the schema script the fixture uses.
QDir sourceResources() {
    return QFileInfo(QStringLiteral(PERIWELL_DB_SQL)).dir();
}

QStringList visibleTexts(const QListWidget& list) {
    QStringList texts;
    for (int row = 0; row < list.count(); ++row) {
        if (!list.item(row)->isHidden())
            texts.append(list.item(row)->text());
    }
    return texts;
}

QStringList fileNames(const QList<const HelpPage*>& pages) {
    QStringList names;
    for (const HelpPage* page : pages)
        names.append(page->fileName);
    return names;
}

HelpViewer* viewerOf(QWidget& window) {
    return window.findChild<HelpViewer*>(QStringLiteral("frmHelp"));
}

} // namespace

class tst_help : public QObject {
    Q_OBJECT

private slots:
    void everySourceFileIsCompiledIn();
    void everyPageHasATitleAndText();
    void everyLinkLeadsToAPage();
    void contentsListsEveryPage();
    void contextOpensItsPage_data();
    void contextOpensItsPage();
    void commandsReuseOneWindowAndShowTheirTab();
    void windowWithoutOwnerIsReusedThenFreed();
    void missingPageShowsTheContents();
    void searchFindsThePagesHoldingEveryWord_data();
    void searchFindsThePagesHoldingEveryWord();
    void searchTabListsAndOpensResults();
    void indexIsSortedAndFilters();
    void seamTakesEveryCommand();
    void pagesSayWhatTheProgramDoes_data();
    void pagesSayWhatTheProgramDoes();
    void iconsLoadAtTheirSizes_data();
    void iconsLoadAtTheirSizes();
};

void tst_help::everySourceFileIsCompiledIn() {
    Resources::init();
    const QDir source = sourceResources();
    for (const QString& folder : {QStringLiteral("help"), QStringLiteral("icons")}) {
        const QStringList files = QDir(source.filePath(folder)).entryList(QDir::Files, QDir::Name);
        QVERIFY(!files.isEmpty());
        QCOMPARE(QDir(QStringLiteral(":/") + folder).entryList(QDir::Files, QDir::Name), files);
    }
}

void tst_help::everyPageHasATitleAndText() {
    const HelpCatalog catalog;
    QCOMPARE(catalog.pages().size(), qsizetype(14));
    for (const HelpPage& page : catalog.pages()) {
        QVERIFY2(!page.title.isEmpty(), qPrintable(page.fileName));
        QVERIFY2(page.plainText.size() > 200, qPrintable(page.fileName));
        QVERIFY2(!page.keywords.isEmpty(), qPrintable(page.fileName));
    }
}

void tst_help::pagesSayWhatTheProgramDoes_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("says");
    QTest::addColumn<QString>("never"); // what an older page said wrongly
    QTest::newRow("tutorial: Undo restores its own cell")
        << "getting-started.html"
        << "it restores the cell it changed"
        << "writes the old content into the current cell";
    QTest::newRow("lessons: Undo restores its own cell")
        << "entering-lessons.html"
        << "it restores the cell it changed"
        << "writes the old content into whichever cell is current";
    QTest::newRow("tutorial: the lists open from their links")
        << "getting-started.html"
        << "Click Show Tutors under the tutor box"
        << "On the left you see the lists";
    QTest::newRow("wizard: a typed owner stays after Cancel")
        << "new-timetable-wizard.html"
        << "stays in the list after a Cancel"
        << "Cancel on any page creates nothing";
    QTest::newRow("windows: opened maximised beside a maximised one") << "timetable-windows.html"
                                                                      << "opens maximised too"
                                                                      << "";
    QTest::newRow("windows: scroll bars reach every window") << "timetable-windows.html"
                                                             << "scroll bars appear"
                                                             << "";
    QTest::newRow("windows: nine listed, the rest under More Windows")
        << "timetable-windows.html"
        << "More Windows... lists them all"
        << "";
    QTest::newRow("windows: a new one opens inside the work area") << "timetable-windows.html"
                                                                   << "wholly inside the work area"
                                                                   << "";
    QTest::newRow("tutorial: help stays usable beside the wizard") << "getting-started.html"
                                                                   << "stays usable while a wizard"
                                                                   << "";
    QTest::newRow("clipboard: a paste of unknown names does nothing")
        << "clipboard.html"
        << "a paste whose names are not all in the lists does nothing"
        << "";
    QTest::newRow("exports: File > Save does nothing") << "printing-exporting.html"
                                                       << "not needed and does nothing"
                                                       << "";
}

void tst_help::pagesSayWhatTheProgramDoes() {
    QFETCH(QString, page);
    QFETCH(QString, says);
    QFETCH(QString, never);
    const HelpCatalog catalog;
    const HelpPage* found = nullptr;
    for (const HelpPage& each : catalog.pages()) {
        if (each.fileName == page)
            found = &each;
    }
    QVERIFY2(found, qPrintable(page));
    const QString text = found->plainText.simplified();
    QVERIFY2(text.contains(says), qPrintable(says));
    if (!never.isEmpty())
        QVERIFY2(!text.contains(never), qPrintable(never));
}

void tst_help::everyLinkLeadsToAPage() {
    const HelpCatalog catalog;
    int links = 0;
    for (const HelpPage& page : catalog.pages()) {
        for (const QString& link : page.links) {
            const QUrl target = HelpCatalog::urlOf(page.fileName).resolved(QUrl(link));
            QVERIFY2(!catalog.pageOf(target).isEmpty(), qPrintable(page.fileName + " -> " + link));
            ++links;
        }
        if (page.fileName != HelpCatalog::ContentsPage)
            QVERIFY2(page.links.contains(HelpCatalog::ContentsPage), qPrintable(page.fileName));
    }
    QVERIFY(links > 40);
}

void tst_help::contentsListsEveryPage() {
    const HelpCatalog catalog;
    const QStringList listed = fileNames(catalog.contents());
    QCOMPARE(listed.first(), HelpCatalog::ContentsPage);
    QCOMPARE(listed.at(1), HelpCatalog::GettingStartedPage);
    QCOMPARE(listed.size(), catalog.pages().size());
}

void tst_help::contextOpensItsPage_data() {
    QTest::addColumn<int>("context");
    QTest::addColumn<QString>("page");
    QTest::newRow("contents") << 1 << "contents.html";
    QTest::newRow("getting started") << 3 << "getting-started.html";
    QTest::newRow("no such topic") << 2 << "contents.html";
    QTest::newRow("zero") << 0 << "contents.html";
    QTest::newRow("negative") << -2 << "contents.html";
    QTest::newRow("large") << 99999 << "contents.html";
}

void tst_help::contextOpensItsPage() {
    QFETCH(int, context);
    QFETCH(QString, page);
    SeamsReset reset;
    QWidget window;
    HelpViewer::showContext(context, &window);
    HelpViewer* viewer = viewerOf(window);
    QVERIFY(viewer);
    QVERIFY(viewer->isVisible());
    QCOMPARE(viewer->windowTitle(), QStringLiteral("Periwell Help"));
    QCOMPARE(viewer->currentPage(), page);
    const auto* browser = viewer->findChild<QTextBrowser*>(QStringLiteral("txtTopic"));
    QCOMPARE(browser->documentTitle(), viewer->catalog().page(page)->title);
    const auto* contents = viewer->findChild<QListWidget*>(QStringLiteral("lstContents"));
    QCOMPARE(contents->currentItem()->text(), viewer->catalog().page(page)->title);
}

void tst_help::commandsReuseOneWindowAndShowTheirTab() {
    SeamsReset reset;
    QWidget window;
    QWidget child(&window);
    HelpViewer::showContext(3, &child);
    HelpViewer* viewer = viewerOf(window);
    QVERIFY(viewer);
    const auto* tabs = viewer->findChild<QTabWidget*>(QStringLiteral("tsHelp"));

    HelpViewer::showIndex(&window);
    QCOMPARE(tabs->currentIndex(), int(HelpViewer::Tab::Index));
    QCOMPARE(viewer->currentPage(), HelpCatalog::GettingStartedPage);
    HelpViewer::showSearch(&child);
    QCOMPARE(tabs->currentIndex(), int(HelpViewer::Tab::Search));
    viewer->close();
    HelpViewer::showContents(&window);
    QCOMPARE(tabs->currentIndex(), int(HelpViewer::Tab::Contents));
    QCOMPARE(viewer->currentPage(), HelpCatalog::ContentsPage);
    QVERIFY(viewer->isVisible());
    QCOMPARE(window.findChildren<HelpViewer*>().size(), qsizetype(1));
}

void tst_help::windowWithoutOwnerIsReusedThenFreed() {
    SeamsReset reset;
    HelpViewer::showContents(nullptr);
    HelpViewer::showContext(3, nullptr);
    QList<HelpViewer*> viewers;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* viewer = qobject_cast<HelpViewer*>(top))
            viewers.append(viewer);
    }
    QCOMPARE(viewers.size(), qsizetype(1));
    QCOMPARE(viewers.first()->currentPage(), HelpCatalog::GettingStartedPage);
    QPointer<HelpViewer> viewer = viewers.first();
    viewer->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(viewer.isNull());
}

void tst_help::missingPageShowsTheContents() {
    SeamsReset reset;
    QWidget window;
    HelpViewer::showContext(3, &window);
    HelpViewer* viewer = viewerOf(window);
    auto* browser = viewer->findChild<QTextBrowser*>(QStringLiteral("txtTopic"));

    emit browser->anchorClicked(QUrl(QStringLiteral("clashes.html")));
    QCOMPARE(viewer->currentPage(), QStringLiteral("clashes.html"));
    emit browser->anchorClicked(QUrl(QStringLiteral("no-such-page.html")));
    QCOMPARE(viewer->currentPage(), HelpCatalog::ContentsPage);
    viewer->openPage(QStringLiteral("autofill.html"));
    emit browser->anchorClicked(QUrl(QStringLiteral("https://example.org/")));
    QCOMPARE(viewer->currentPage(), HelpCatalog::ContentsPage);
    viewer->openPage(QStringLiteral("../db.sql"));
    QCOMPARE(viewer->currentPage(), HelpCatalog::ContentsPage);
}

void tst_help::searchFindsThePagesHoldingEveryWord_data() {
    QTest::addColumn<QString>("words");
    QTest::addColumn<QStringList>("pages");
    QTest::newRow("one page") << "semicolons" << QStringList{"printing-exporting.html"};
    QTest::newRow("case ignored") << "PERIODS teaching" << QStringList{"capacity-report.html"};
    QTest::newRow("every word") << "semicolons  CSV" << QStringList{"printing-exporting.html"};
    QTest::newRow("words on different pages") << "semicolons boundaries" << QStringList{};
    QTest::newRow("not in the help") << "xylophone" << QStringList{};
    QTest::newRow("blank") << "   " << QStringList{};
    // Index words are not page text.
    QTest::newRow("keyword only") << "workload" << QStringList{};
}

void tst_help::searchFindsThePagesHoldingEveryWord() {
    QFETCH(QString, words);
    QFETCH(QStringList, pages);
    const HelpCatalog catalog;
    QCOMPARE(fileNames(catalog.search(words)), pages);
}

void tst_help::searchTabListsAndOpensResults() {
    SeamsReset reset;
    QWidget window;
    HelpViewer::showSearch(&window);
    HelpViewer* viewer = viewerOf(window);
    auto* text = viewer->findChild<QLineEdit*>(QStringLiteral("txtSearch"));
    auto* button = viewer->findChild<QPushButton*>(QStringLiteral("cmdSearch"));
    auto* results = viewer->findChild<QListWidget*>(QStringLiteral("lstSearchResults"));
    auto* status = viewer->findChild<QLabel*>(QStringLiteral("lblSearchStatus"));

    text->setText(QStringLiteral("lunch column"));
    QTest::mouseClick(button, Qt::LeftButton);
    const QStringList titles = visibleTexts(*results);
    QVERIFY(titles.contains(QStringLiteral("Breaks, lunch and unavailable periods")));
    QVERIFY(!titles.contains(QStringLiteral("Copying, cutting and pasting cells")));
    QStringList sorted = titles;
    sorted.sort(Qt::CaseInsensitive);
    QCOMPARE(titles, sorted);
    QCOMPARE(status->text(), QStringLiteral("%1 pages found.").arg(titles.size()));

    emit results->itemActivated(
        results->item(int(titles.indexOf("Breaks, lunch and unavailable periods"))));
    QCOMPARE(viewer->currentPage(), QStringLiteral("breaks-and-lunch.html"));

    text->setText(QStringLiteral("xylophone"));
    QTest::keyClick(text, Qt::Key_Return);
    QCOMPARE(results->count(), 0);
    QCOMPARE(status->text(), QStringLiteral("No page holds these words."));
}

void tst_help::indexIsSortedAndFilters() {
    SeamsReset reset;
    QWidget window;
    HelpViewer::showIndex(&window);
    HelpViewer* viewer = viewerOf(window);
    auto* filter = viewer->findChild<QLineEdit*>(QStringLiteral("txtIndexFilter"));
    auto* index = viewer->findChild<QListWidget*>(QStringLiteral("lstIndex"));
    QVERIFY(filter->hasFocus() || !QApplication::focusWidget());

    QStringList all = visibleTexts(*index);
    QStringList sorted = all;
    sorted.sort(Qt::CaseInsensitive);
    QCOMPARE(all, sorted);
    // A word on several pages names each page.
    QVERIFY(all.contains(QStringLiteral("undo (Getting started)")));
    QVERIFY(all.contains(QStringLiteral("undo (Entering lessons and the name boxes)")));
    QVERIFY(all.contains(QStringLiteral("clipboard")));

    // The filter looks at the words, not at the page titles beside them.
    QTest::keyClicks(filter, QStringLiteral("lun"));
    QCOMPARE(visibleTexts(*index), (QStringList{"lunch", "lunch column"}));
    filter->clear();
    QTest::keyClicks(filter, QStringLiteral("CLIPB"));
    QCOMPARE(visibleTexts(*index), QStringList{QStringLiteral("clipboard")});
    QTest::keyClick(filter, Qt::Key_Return);
    QCOMPARE(viewer->currentPage(), QStringLiteral("clipboard.html"));

    filter->setText(QStringLiteral("tutor"));
    const QStringList tutors = visibleTexts(*index);
    QVERIFY(tutors.size() > 3);
    for (const QString& text : tutors)
        QVERIFY2(text.contains(QStringLiteral("tutor"), Qt::CaseInsensitive), qPrintable(text));

    filter->setText(QStringLiteral("no such word"));
    QVERIFY(visibleTexts(*index).isEmpty());
    QTest::keyClick(filter, Qt::Key_Return);
    QCOMPARE(viewer->currentPage(), QStringLiteral("clipboard.html"));

    filter->clear();
    QCOMPARE(visibleTexts(*index), all);
}

void tst_help::seamTakesEveryCommand() {
    SeamsReset reset;
    QList<std::pair<QString, int>> calls;
    seams().help = [&](const QString& command, int context) { calls.append({command, context}); };
    QWidget window;
    HelpViewer::showContents(&window);
    HelpViewer::showIndex(&window);
    HelpViewer::showSearch(nullptr);
    HelpViewer::showContext(3, &window);
    const QList<std::pair<QString, int>> expected{
        {"contents", 0}, {"index", 0}, {"search", 0}, {"context", 3}};
    QCOMPARE(calls, expected);
    QVERIFY(!viewerOf(window));
    for (QWidget* top : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<HelpViewer*>(top));
}

void tst_help::iconsLoadAtTheirSizes_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("size");
    for (const char* name : {"busy", "free", "tutor", "subject", "room", "class"})
        QTest::newRow(name) << name << 16;
    for (const char* name :
         {"new", "open", "view", "print", "cut", "copy", "paste", "undo", "manage", "autofill",
          "find", "help", "lunch", "break", "unavailable", "blank"})
        QTest::newRow(name) << name << 24;
    QTest::newRow("periwell") << "periwell" << 64;
    QTest::newRow("periwell-256") << "periwell-256" << 256;
}

void tst_help::iconsLoadAtTheirSizes() {
    QFETCH(QString, name);
    QFETCH(int, size);
    QVERIFY(!Resources::icon(name).isNull());
    const QImage image(QStringLiteral(":/icons/%1.png").arg(name));
    QCOMPARE(image.size(), QSize(size, size));
    QVERIFY(image.hasAlphaChannel());
    // A shape on a see-through ground: the corner is clear and a fair part is drawn.
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    int drawn = 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x)
            drawn += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
    }
    QVERIFY2(drawn > size * size / 8, qPrintable(QString::number(drawn)));
}

QTEST_MAIN(tst_help)
#include "tst_help.moc"
