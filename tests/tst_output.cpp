#include "TestData.h"
#include "TestFixture.h"
#include "app/MainMenus.h"
#include "app/frmMain.h"
#include "app/frmTableWindow.h"
#include "output/ExportCommands.h"
#include "output/ExportText.h"
#include "output/OutputCommands.h"
#include "output/frmCapacityReport.h"
#include "platform/CommonDialog.h"
#include "platform/FlexGrid.h"
#include "platform/FlexGridData.h"
#include "platform/Twips.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <functional>

using namespace TestData;

namespace {

// Answers the save dialog with a scripted name ("" is a cancel) and keeps what it was asked.
class SaveDialog : public CommonDialog {
public:
    QString answer;
    int calls = 0;
    QString path;
    QString filter;

    QString chosenFilter; // reported as the filter the user picked, when set

    QString getSaveFileName(QWidget*, const QString&, const QString& startPath,
                            const QString& fileFilter, QString* selectedFilter) override {
        ++calls;
        path = startPath;
        filter = fileFilter;
        if (selectedFilter && !chosenFilter.isEmpty())
            *selectedFilter = chosenFilter;
        return answer;
    }
};

QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "(missing)";
    return file.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// What a capacity report showed: one "name=count" per row below the header.
struct Report {
    QStringList headers;
    QStringList rows;
    std::pair<int, int> widths;
    int fixedCols = -1;
    QString caption, label, close;
};

Report readReport(const frmCapacityReport& dialog) {
    const FlexGrid& g = dialog.g();
    Report report;
    report.headers = {g.TextMatrix(0, 0), g.TextMatrix(0, 1)};
    for (int r = 1; r < g.Rows(); ++r)
        report.rows << g.TextMatrix(r, 0) + "=" + g.TextMatrix(r, 1);
    report.widths = {g.ColWidth(0), g.ColWidth(1)};
    report.fixedCols = g.FixedCols();
    report.caption = dialog.windowTitle();
    report.label = dialog.findChild<QLabel*>("Label2")->text();
    report.close = dialog.cmdCancel().text();
    return report;
}

// Opens the report from its menu item and reads it; nullopt when no report was shown.
std::optional<Report> openReport(TestFixture& f) {
    std::optional<Report> shown;
    int calls = 0;
    seams().modal = [&](QDialog& dialog) {
        if (++calls > 1)
            return int(QDialog::Rejected);
        if (auto* report = qobject_cast<frmCapacityReport*>(&dialog)) {
            shown = readReport(*report);
            report->cmdCancel().click();
        }
        return dialog.result();
    };
    f.trigger("mnuToolsCapacityReport");
    return shown;
}

// A class timetable of two days with a lunch column: a three-line lesson, a lesson without a
// room (two lines shown), an unavailable period and an empty cell.
int addSmallTimetable(TestFixture& f) {
    const DBConnection& db = f.db();
    const int class7 = addName(db, "Class", "7A");
    const int ann = addName(db, "Tutor", "Ann");
    const int bob = addName(db, "Tutor", "Bob");
    const int maths = addName(db, "Subject", "Maths");
    const int art = addName(db, "Subject", "Art");
    const int lab = addName(db, "Room", "Lab 1");
    const int id = addTimetable(db, "Class", class7, {"Mon", "Tue"},
                                {{"09:00:00", 40}, {"12:00:00", 60, 3}, {"13:00:00", 40}});
    addSlot(db, {"09:00:00", "Mon", class7, ann, lab, maths});
    addSlot(db, {"13:00:00", "Mon", class7, bob, 1, art});
    addSlot(db, {"09:00:00", "Tue", class7, 1, 1, 1, 2});
    return id;
}

ExportCommands& exportCommands(TestFixture& f) {
    return *f.outputCommands().findChild<ExportCommands*>();
}

const QStringList ExportItems = {"mnuFileSaveAsCSV", "mnuFileSaveAsWebPage", "mnuFileSaveAsImage"};

} // namespace

class tst_output : public QObject {
    Q_OBJECT
private slots:
    void reportCountsEverySlotOfEachTutor();
    void reportWithoutTutorsShowsOneEmptyRow();
    void reportReadErrorIsShown();
    void exportsMatchTheGoldenFiles_data();
    void exportsMatchTheGoldenFiles();
    void webPageEscapesAndCsvKeepsText_data();
    void webPageEscapesAndCsvKeepsText();
    void webPageTitleIsTheOwnersNameAsTyped();
    void saveDialogAsksWithEmptyNameAndFilter_data();
    void saveDialogAsksWithEmptyNameAndFilter();
    void savingOverALongerFileLeavesNoOldBytes();
    void failingTargetGivesOneBoxAndKeepsTheFile_data();
    void failingTargetGivesOneBoxAndKeepsTheFile();
    void withoutTimetableWindowNothingHappens();
    void bitmapIsTheWholeGrid();
    void nameWithoutExtensionGetsTheTypes_data();
    void nameWithoutExtensionGetsTheTypes();
    void bitmapIsClosedOnEverySide();
};

void tst_output::reportCountsEverySlotOfEachTutor() {
    TestFixture f;
    const DBConnection& db = f.db();
    const int bob1 = addName(db, "Tutor", "Bob");
    const int ann = addName(db, "Tutor", "ann");
    const int bob2 = addName(db, "Tutor", "Bob");
    addName(db, "Tutor", "Carl");
    const int class7 = addName(db, "Class", "7A");
    addSlot(db, {"09:00:00", "Mon", class7, bob1});
    addSlot(db, {"10:00:00", "Mon", class7, bob1, 1, 1, 3}); // a special period counts
    addSlot(db, {"09:00:00", "Tue", 1, bob1});               // so does a slot no timetable shows
    addSlot(db, {"09:00:00", "Mon", 1, ann});
    addSlot(db, {"09:00:00", "Wed", class7, bob2});
    addSlot(db, {"11:00:00", "Mon", class7, 1}); // no tutor: nobody's
    QCOMPARE(f.main().menus().item("mnuToolsCapacityReport")->shortcut(), QKeySequence("Ctrl+R"));

    const std::optional<Report> report = openReport(f);
    QVERIFY(report);
    QCOMPARE(report->caption, QStringLiteral("Capacity Report"));
    QCOMPARE(report->label, QStringLiteral("Tutor Capacity Report:"));
    QCOMPARE(report->close, QStringLiteral("Close"));
    QCOMPARE(report->headers, QStringList({"Tutor Name", "Periods Teaching"}));
    QCOMPARE(report->widths, std::pair(2800, 1500));
    QCOMPARE(report->fixedCols, 0);
    // By name without case, equal names by id; the last tutor is the last row.
    QCOMPARE(report->rows, QStringList({"ann=1", "Bob=3", "Bob=1", "Carl=0"}));
    QVERIFY(f.boxes.calls.isEmpty());
}

void tst_output::reportWithoutTutorsShowsOneEmptyRow() {
    TestFixture f;
    addSlot(f.db(), {"09:00:00", "Mon", 1, 1});
    const std::optional<Report> report = openReport(f);
    QVERIFY(report);
    QCOMPARE(report->headers, QStringList({"Tutor Name", "Periods Teaching"}));
    QCOMPARE(report->rows, QStringList({"="}));
}

void tst_output::reportReadErrorIsShown() {
    TestFixture f;
    f.main();
    QVERIFY(f.db().run("DROP TABLE Slot"));
    QVERIFY(!openReport(f));
    QCOMPARE(f.boxes.calls.size(), 1);
    QCOMPARE(f.boxes.last().icon, int(vb::vbCritical));
    QVERIFY(f.boxes.last().text.startsWith("The capacity report could not be made."));
    QVERIFY(f.boxes.last().text.contains("Slot"));
}

void tst_output::exportsMatchTheGoldenFiles_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("golden");
    QTest::newRow("CSV") << "mnuFileSaveAsCSV"
                         << "golden/timetable.csv";
    QTest::newRow("web page") << "mnuFileSaveAsWebPage"
                              << "golden/timetable.html";
}

void tst_output::exportsMatchTheGoldenFiles() {
    QFETCH(QString, item);
    QFETCH(QString, golden);
    TestFixture f;
    const int id = addSmallTimetable(f);
    QVERIFY(f.activateOpen(id));
    SaveDialog dialog;
    dialog.answer = f.folder() + "/out.txt";
    seams().commonDialog = &dialog;

    QVERIFY(f.trigger(item));
    const QString goldenPath = QFINDTESTDATA(golden);
    QVERIFY(!goldenPath.isEmpty());
    QCOMPARE(readFile(dialog.answer), readFile(goldenPath));
    QVERIFY(f.boxes.calls.isEmpty());
}

void tst_output::webPageEscapesAndCsvKeepsText_data() {
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("htmlCell");
    QTest::addColumn<QString>("csvLine");
    QTest::newRow("markup") << "A & B <i>x</i>"
                            << "A &amp; B &lt;i&gt;x&lt;/i&gt;"
                            << "h, A & B <i>x</i>";
    QTest::newRow("escaped before the breaks") << "<\r\n&"
                                               << "&lt;<br>&amp;"
                                               << "h, <;&";
    QTest::newRow("comma adds a value") << "Smith, J"
                                        << "Smith, J"
                                        << "h, Smith, J";
    QTest::newRow("beyond ASCII") << QString::fromUtf8("Zoë Ł 😀") << "Zo&#235; &#321; &#128512;"
                                  << QString::fromUtf8("h, Zoë Ł 😀");
    QTest::newRow("already a reference") << "&amp;"
                                         << "&amp;amp;"
                                         << "h, &amp;";
}

void tst_output::webPageEscapesAndCsvKeepsText() {
    QFETCH(QString, cell);
    QFETCH(QString, htmlCell);
    QFETCH(QString, csvLine);
    FlexGridData grid;
    grid.setRows(2);
    grid.setCols(2);
    grid.setText(1, 0, "h");
    grid.setText(1, 1, cell);
    const QString html = htmlText(grid, "Title " + cell);
    QVERIFY2(html.contains("\r\n<TD><center>" + htmlCell + "</center></TD>\r\n"), qPrintable(html));
    // A title has no line breaks to turn into <br>.
    const QString htmlTitle = "Title " + QString(htmlCell).remove("<br>");
    QVERIFY(htmlText(grid, "Title " + QString(cell).remove("\r\n"))
                .contains("<TITLE>" + htmlTitle + "</TITLE>\r\n"));
    QVERIFY(html.contains("<center><b>Title " + htmlCell.left(4)));
    for (const QChar c : html)
        QVERIFY(c.unicode() < 0x80);
    QCOMPARE(csvText(grid).split("\r\n").value(1), csvLine);
}

void tst_output::webPageTitleIsTheOwnersNameAsTyped() {
    TestFixture f;
    const int room = addName(f.db(), "Room", "A [*] B");
    const int id = addTimetable(f.db(), "Room", room, {"Mon"}, {{"09:00:00", 40}});
    QVERIFY(f.activateOpen(id));
    SaveDialog dialog;
    dialog.answer = f.folder() + "/out.html";
    seams().commonDialog = &dialog;
    QVERIFY(f.trigger("mnuFileSaveAsWebPage"));
    QVERIFY(readFile(dialog.answer).contains("<TITLE>Room A [*] B</TITLE>"));
}

void tst_output::saveDialogAsksWithEmptyNameAndFilter_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("filter");
    QTest::newRow("CSV") << "mnuFileSaveAsCSV"
                         << "CSV (*.csv);;Text documents (*.txt)";
    QTest::newRow("web page") << "mnuFileSaveAsWebPage"
                              << "HTML (*.html);;HTM (*.htm)";
    QTest::newRow("image") << "mnuFileSaveAsImage"
                           << "Bitmap (*.bmp)";
}

// A cancel writes nothing and says nothing.
void tst_output::saveDialogAsksWithEmptyNameAndFilter() {
    QFETCH(QString, item);
    QFETCH(QString, filter);
    TestFixture f;
    QVERIFY(f.activateOpen(addSmallTimetable(f)));
    SaveDialog dialog;
    dialog.path = "(unset)";
    seams().commonDialog = &dialog;
    const QStringList before = QDir(f.folder()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);

    QVERIFY(f.trigger(item));
    QCOMPARE(dialog.calls, 1);
    QCOMPARE(dialog.path, QString());
    QCOMPARE(dialog.filter, filter);
    QCOMPARE(QDir(f.folder()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), before);
    QVERIFY(f.boxes.calls.isEmpty());
    QVERIFY(f.main().isVisible());
}

void tst_output::savingOverALongerFileLeavesNoOldBytes() {
    TestFixture f;
    QVERIFY(f.activateOpen(addSmallTimetable(f)));
    SaveDialog dialog;
    dialog.answer = f.folder() + "/over.csv";
    seams().commonDialog = &dialog;
    writeFile(dialog.answer, QByteArray(20000, 'x'));

    QVERIFY(f.trigger("mnuFileSaveAsCSV"));
    const QByteArray written = readFile(dialog.answer);
    QCOMPARE(written, csvText(f.main().activeTableWindow()->g().data()).toUtf8());
    QVERIFY(!written.contains('x'));
}

void tst_output::failingTargetGivesOneBoxAndKeepsTheFile_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("target");
    for (const QString& item : ExportItems) {
        QTest::addRow("%s, missing folder", qPrintable(item)) << item << "missing/out.file";
        QTest::addRow("%s, a folder", qPrintable(item)) << item << "folder.out";
    }
}

void tst_output::failingTargetGivesOneBoxAndKeepsTheFile() {
    QFETCH(QString, item);
    QFETCH(QString, target);
    TestFixture f;
    QVERIFY(f.activateOpen(addSmallTimetable(f)));
    QVERIFY(QDir(f.folder()).mkdir("folder.out"));
    writeFile(f.folder() + "/folder.out/kept.txt", "kept");
    SaveDialog dialog;
    dialog.answer = f.folder() + "/" + target;
    seams().commonDialog = &dialog;

    QVERIFY(f.trigger(item));
    QCOMPARE(f.boxes.calls.size(), 1);
    const MsgBoxCall& box = f.boxes.last();
    QCOMPARE(box.icon, int(vb::vbCritical));
    QVERIFY2(box.text.contains(QDir::toNativeSeparators(dialog.answer)), qPrintable(box.text));
    // A reason follows the name.
    QVERIFY2(box.text.section("\n\n", 1).trimmed().size() > 3, qPrintable(box.text));
    QVERIFY(QFileInfo(f.folder() + "/folder.out").isDir());
    QCOMPARE(readFile(f.folder() + "/folder.out/kept.txt"), QByteArray("kept"));
    QVERIFY(!QFileInfo::exists(f.folder() + "/missing"));
    // The program goes on: the next export works.
    dialog.answer = f.folder() + "/next.out";
    QVERIFY(f.trigger(item));
    QVERIFY(QFileInfo(dialog.answer).size() > 0);
    QCOMPARE(f.boxes.calls.size(), 1);
}

void tst_output::withoutTimetableWindowNothingHappens() {
    TestFixture f;
    SaveDialog dialog;
    dialog.answer = f.folder() + "/out";
    seams().commonDialog = &dialog;
    ExportCommands& commands = exportCommands(f);
    QVERIFY(f.main().activeTableWindow() == nullptr);
    for (const QString& item : ExportItems)
        QVERIFY(!f.trigger(item)); // disabled
    commands.mnuFileSaveAsCSV_Click();
    commands.mnuFileSaveAsWebPage_Click();
    commands.mnuFileSaveAsImage_Click();
    QCOMPARE(dialog.calls, 0);
    QVERIFY(!QFileInfo::exists(dialog.answer));
    QVERIFY(f.boxes.calls.isEmpty());
}

void tst_output::bitmapIsTheWholeGrid() {
    TestFixture f;
    const frmTableWindow* window = f.activateOpen(addSmallTimetable(f));
    QVERIFY(window);
    window->g().parentWidget()->resize(150, 120); // the window shows a part of the grid only
    SaveDialog dialog;
    dialog.answer = f.folder() + "/grid.bmp";
    seams().commonDialog = &dialog;

    QVERIFY(f.trigger("mnuFileSaveAsImage"));
    const QByteArray bytes = readFile(dialog.answer);
    QVERIFY(bytes.startsWith("BM"));
    QImage image;
    QVERIFY(image.loadFromData(bytes, "BMP"));
    const FlexGrid& g = window->g();
    QCOMPARE(image.size(), g.fullSizePixels());
    // The unavailable period on Tuesday at nine, in the middle of its cell.
    const QColor unavailable = g.data().backColorAt(2, 1);
    QVERIFY(unavailable != g.data().backColorAt(1, 1));
    const int x = Twips::toPixels(g.ColWidth(0) + g.ColWidth(1) / 2);
    const int y = Twips::toPixels(g.RowHeight(0) + g.RowHeight(1) + g.RowHeight(2) / 2);
    QCOMPARE(image.pixelColor(x, y), unavailable);
    // The last column, which the window does not show, is in the picture too.
    QCOMPARE(image.pixelColor(image.width() - 5, y), g.data().backColorAt(2, 3));
}

void tst_output::nameWithoutExtensionGetsTheTypes_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("chosenFilter"); // "" when the dialog reports none
    QTest::addColumn<QString>("saved");
    const QString csv = "mnuFileSaveAsCSV", web = "mnuFileSaveAsWebPage",
                  image = "mnuFileSaveAsImage";
    const QList<QStringList> rows = {
        {"CSV", csv, "7b", "", "7b.csv"},
        {"web page", web, "7b", "", "7b.htm"},
        {"bitmap", image, "7b", "", "7b.bmp"},
        {"text documents chosen", csv, "7b", "Text documents (*.txt)", "7b.txt"},
        {"HTML chosen", web, "7b", "HTML (*.html)", "7b.html"},
        {"extension kept", csv, "7b.txt", "CSV (*.csv)", "7b.txt"},
        {"any extension kept", image, "week 1.7b", "", "week 1.7b"},
        {"dot at the end", image, "7b.", "", "7b.bmp"},
        {"dot in the folder", csv, "term.2/7b", "", "term.2/7b.csv"},
        {"hidden file", web, ".7b", "", ".7b.htm"},
    };
    for (const QStringList& row : rows)
        QTest::newRow(qPrintable(row[0])) << row[1] << row[2] << row[3] << row[4];
}

void tst_output::nameWithoutExtensionGetsTheTypes() {
    QFETCH(QString, item);
    QFETCH(QString, typed);
    QFETCH(QString, chosenFilter);
    QFETCH(QString, saved);
    TestFixture f;
    QVERIFY(f.activateOpen(addSmallTimetable(f)));
    QVERIFY(QDir(f.folder()).mkdir("term.2"));
    SaveDialog dialog;
    dialog.answer = f.folder() + "/" + typed;
    dialog.chosenFilter = chosenFilter;
    seams().commonDialog = &dialog;

    QVERIFY(f.trigger(item));
    QVERIFY(f.boxes.calls.isEmpty());
    QVERIFY(QFileInfo(f.folder() + "/" + saved).size() > 0);
    if (saved != typed)
        QVERIFY(!QFileInfo::exists(dialog.answer));
}

// Cells draw their right and bottom lines; the picture also has lines along its top and left
// edges, where the grid's frame closes it on screen.
void tst_output::bitmapIsClosedOnEverySide() {
    TestFixture f;
    const frmTableWindow* window = f.activateOpen(addSmallTimetable(f));
    QVERIFY(window);
    SaveDialog dialog;
    dialog.answer = f.folder() + "/grid.bmp";
    seams().commonDialog = &dialog;
    QVERIFY(f.trigger("mnuFileSaveAsImage"));
    QImage image;
    QVERIFY(image.load(dialog.answer, "BMP"));
    const QColor line = window->g().data().colors().gridFixed;
    QCOMPARE(line, window->g().data().colors().grid); // one colour for every line of a timetable
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    for (int x = 0; x <= right; ++x) {
        QCOMPARE(image.pixelColor(x, 0), line);
        QCOMPARE(image.pixelColor(x, bottom), line);
    }
    for (int y = 0; y <= bottom; ++y) {
        QCOMPARE(image.pixelColor(0, y), line);
        QCOMPARE(image.pixelColor(right, y), line);
    }
    // Inside the edges, the cells as before: the corner cell's own colour.
    QCOMPARE(image.pixelColor(2, 2), window->g().data().colors().backFixed);
}

QTEST_MAIN(tst_output)
#include "tst_output.moc"
