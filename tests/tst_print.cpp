#include "TestData.h"
#include "TestFixture.h"
#include "app/MainMenus.h"
#include "app/frmMain.h"
#include "app/frmTableWindow.h"
#include "output/OutputCommands.h"
#include "output/PageSurface.h"
#include "output/PrintCommands.h"
#include "output/PrintKit.h"
#include "output/frmPrintPreview.h"
#include "platform/CommonDialog.h"
#include "platform/FlexAlignment.h"
#include "platform/FlexGrid.h"

#include <QFile>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

using namespace TestData;

namespace {

// Answers the printer dialogs: accepts or cancels, printing to a PDF file when accepting.
class PrintDialogs : public CommonDialog {
public:
    bool accept = true;
    QString pdfPath;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    int printerCalls = 0;
    int setupCalls = 0;
    int highlightSeen = -1;
    const FlexGrid* grid = nullptr;
    QPageLayout::Orientation setupStartedWith = QPageLayout::Landscape;

    bool choosePrinter(QWidget*, QPrinter& printer) override {
        ++printerCalls;
        if (grid)
            highlightSeen = grid->HighLight();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
        return accept;
    }
    bool pageSetup(QWidget*, QPrinter& printer) override {
        ++setupCalls;
        setupStartedWith = printer.pageLayout().orientation();
        if (!accept)
            return false;
        printer.setPageSize(QPageSize(QPageSize::Legal));
        printer.setPageOrientation(orientation);
        return true;
    }
};

int pdfPages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return int(QString::fromLatin1(file.readAll()).count(QRegularExpression("/Type\\s*/Page[^s]")));
}

// A PDF printer with a known printable area: Letter less a quarter inch on every side.
void useLetterWithQuarterInchBorder(QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                      QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch));
}

// A one-pixel line at a page position lands on that pixel or the one before it.
bool blackNear(const QImage& image, const QPoint& at) {
    for (const QPoint& p : {at, at - QPoint(1, 0), at - QPoint(0, 1)})
        if (image.pixelColor(p) == QColor(Qt::black))
            return true;
    return false;
}

// A class timetable of two days and two periods open in its window, the printer dialogs
// answered by `dialogs`.
struct OpenTimetable {
    TestFixture f;
    PrintDialogs dialogs;
    frmTableWindow* window = nullptr;
    PrintCommands& commands() { return f.outputCommands().printCommands(); }

    OpenTimetable() {
        const SmallSchool school = addSmallSchool(f.db());
        const int id = addTimetable(f.db(), "Class", school.c7A, {"Monday", "Tuesday"},
                                    {{"09:00:00"}, {"10:00:00"}});
        window = f.openTimetable(id);
        dialogs.pdfPath = f.folder() + "/out.pdf";
        dialogs.grid = &window->g();
        seams().commonDialog = &dialogs;
    }
};

} // namespace

class tst_print : public QObject {
    Q_OBJECT

private slots:
    void printCancelledPrintsNothingAndRestoresTheHighlight();
    void acceptedPrintWritesOnePage();
    void printThatCannotStartSaysSo();
    void printAndPreviewNeedATimetableWindow();
    void pageSetupCancelledChangesNothingAndAcceptedTakesTheLayout();
    void kitMovesPrinterPagesByTheUnprintableBorder();
    void kitFitsTheLetterPageIntoTheSurface_data();
    void kitFitsTheLetterPageIntoTheSurface();
    void kitDrawsOnTheSurfaceWithoutOffsets();
    void previewDrawsThePageAndPrintsTheGrid();
};

void tst_print::printCancelledPrintsNothingAndRestoresTheHighlight() {
    OpenTimetable o;
    o.dialogs.accept = false;
    QVERIFY(o.f.trigger("mnuFilePrint"));
    QCOMPARE(o.dialogs.printerCalls, 1);
    QCOMPARE(o.dialogs.highlightSeen, int(flexHighlightNever));
    QCOMPARE(o.window->g().HighLight(), int(flexHighlightAlways));
    QVERIFY(!QFile::exists(o.dialogs.pdfPath));
    QVERIFY(o.f.boxes.calls.isEmpty());
}

void tst_print::acceptedPrintWritesOnePage() {
    OpenTimetable o;
    QVERIFY(o.f.trigger("mnuFilePrint"));
    QCOMPARE(pdfPages(o.dialogs.pdfPath), 1);
    QCOMPARE(o.window->g().HighLight(), int(flexHighlightAlways));
    QVERIFY(o.f.boxes.calls.isEmpty());
    // The chosen printer stays the program's.
    QCOMPARE(o.commands().printer().outputFileName(), o.dialogs.pdfPath);
}

void tst_print::printThatCannotStartSaysSo() {
    OpenTimetable o;
    o.dialogs.pdfPath = o.f.folder() + "/no such folder/out.pdf";
    QVERIFY(o.f.trigger("mnuFilePrint"));
    QCOMPARE(o.f.boxes.calls.size(), 1);
    QCOMPARE(o.f.boxes.last().text, QString("The timetable could not be printed."));
    QCOMPARE(o.f.boxes.last().icon, int(vb::vbCritical));
    QCOMPARE(o.window->g().HighLight(), int(flexHighlightAlways));
}

void tst_print::printAndPreviewNeedATimetableWindow() {
    TestFixture f;
    PrintDialogs dialogs;
    seams().commonDialog = &dialogs;
    f.outputCommands().printCommands().DoPrint();
    f.outputCommands().printCommands().mnuFilePrintPreview_Click();
    QCOMPARE(dialogs.printerCalls, 0);
    QVERIFY(f.dialogs.isEmpty());
}

void tst_print::pageSetupCancelledChangesNothingAndAcceptedTakesTheLayout() {
    OpenTimetable o;
    QPrinter& printer = o.commands().printer();
    const QPageLayout before = printer.pageLayout();
    o.dialogs.accept = false;
    QVERIFY(o.f.trigger("mnuFilePageSetup"));
    QVERIFY(printer.pageLayout().isEquivalentTo(before));

    o.dialogs.accept = true;
    o.dialogs.orientation = QPageLayout::Landscape;
    QVERIFY(o.f.trigger("mnuFilePageSetup"));
    QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);
    QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::Legal);
    // The next setup starts again from the system's default printer.
    QVERIFY(o.f.trigger("mnuFilePageSetup"));
    QCOMPARE(o.dialogs.setupStartedWith, QPageLayout::Portrait);

    QVERIFY(o.f.trigger("mnuFilePrint"));
    QFile pdf(o.dialogs.pdfPath);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    // Legal in landscape: 14 by 8.5 inches, in points.
    const QRegularExpression legalLandscape("/MediaBox \\[0 0 1008(\\.0*)? 612(\\.0*)?\\]");
    QVERIFY(QString::fromLatin1(pdf.readAll()).contains(legalLandscape));
}

void tst_print::kitMovesPrinterPagesByTheUnprintableBorder() {
    QPrinter printer(QPrinter::HighResolution);
    useLetterWithQuarterInchBorder(printer);
    QTemporaryDir dir;
    printer.setOutputFileName(dir.filePath("kit.pdf"));
    PrintKit kit(printer);
    QVERIFY(kit.BeginPrintPage(nullptr, true, 8.5, 11));
    QCOMPARE(kit.PrintOffsetX(), 0.25);
    QCOMPARE(kit.PrintOffsetY(), 0.25);
    const double ppi = printer.resolution();
    QCOMPARE(kit.deviceRect(1, 1, 2, 3), QRectF(0.75 * ppi, 0.75 * ppi, 2 * ppi, 3 * ppi));
    // Inclusive bounds: an edge on the printable limit is drawn, a little past it is not.
    QVERIFY(kit.fitsPrintable(0.25, 0.25, 8, 10.5));
    QVERIFY(kit.fitsPrintable(1.1, 1.1, 8.5 - 0.25 - 1.1, 0.8));
    QVERIFY(!kit.fitsPrintable(1.1, 1.1, 8.5 - 0.25 - 1.1 + 0.01, 0.8));
    QVERIFY(!kit.fitsPrintable(0.2, 1, 1, 1));
    QVERIFY(!kit.fitsPrintable(1, 1, -0.1, 1));
    QVERIFY(!kit.fitsPrintable(1, 10, 1, 0.8));
    kit.PrintBox(1, 1, 6.5, 9);
    QVERIFY(kit.EndPrintPage());
    QCOMPARE(pdfPages(dir.filePath("kit.pdf")), 1);
}

void tst_print::kitFitsTheLetterPageIntoTheSurface_data() {
    QTest::addColumn<QSize>("surface");
    QTest::addColumn<QSize>("fitted");
    QTest::newRow("wide keeps its height") << QSize(1000, 440) << QSize(340, 440);
    QTest::newRow("tall keeps its width") << QSize(340, 1000) << QSize(340, 440);
}

void tst_print::kitFitsTheLetterPageIntoTheSurface() {
    QFETCH(QSize, surface);
    QFETCH(QSize, fitted);
    QPrinter printer;
    PageSurface page;
    page.resizePage(surface);
    PrintKit kit(printer);
    QVERIFY(kit.BeginPrintPage(&page, false, 8.5, 11));
    QVERIFY(kit.EndPrintPage());
    QCOMPARE(page.size(), fitted);
    QCOMPARE(page.page().size(), fitted);
    QCOMPARE(kit.PrintZoom(), 440 / PrintKit::screenPixelsPerInch() / 11);
}

void tst_print::kitDrawsOnTheSurfaceWithoutOffsets() {
    QPrinter printer;
    useLetterWithQuarterInchBorder(printer);
    PageSurface page;
    page.resizePage({850, 1100});
    PrintKit kit(printer);
    QVERIFY(kit.BeginPrintPage(&page, false, 8.5, 11));
    const double scale = kit.PrintZoom() * PrintKit::screenPixelsPerInch(); // pixels per inch
    kit.PrintBox(1, 1, 6.5, 9);
    QImage red(10, 10, QImage::Format_RGB32);
    red.fill(Qt::red);
    kit.PrintPictureBox(red, 2, 3, 1, 1);
    kit.PrintPictureBox(red, 0.1, 5, 1, 1); // in the unprintable border: left out
    QVERIFY(kit.EndPrintPage());
    const QImage& image = page.page();
    QVERIFY(blackNear(image, {qRound(scale), qRound(3 * scale)}));
    QCOMPARE(image.pixelColor(qRound(2.5 * scale), qRound(3.5 * scale)), QColor(Qt::red));
    QCOMPARE(image.pixelColor(qRound(0.5 * scale), qRound(5.5 * scale)), QColor(Qt::white));
}

void tst_print::previewDrawsThePageAndPrintsTheGrid() {
    OpenTimetable o;
    const QImage grid = o.window->g().picture();
    QImage page;
    QStringList texts;
    seams().modal = [&](QDialog& dialog) {
        if (auto* preview = qobject_cast<frmPrintPreview*>(&dialog)) {
            page = preview->Picture1().page();
            texts = QStringList{preview->windowTitle(), preview->cmdOK().text(),
                                preview->cmdSetup().text(), preview->cmdCancel().text()};
            preview->cmdOK().click();
            preview->cmdSetup().click();
        }
        return int(QDialog::Rejected);
    };
    // The item is hidden, so no user can choose it: run its command as the menu would.
    emit o.f.main().menus().item("mnuFilePrintPreview")->triggered();
    QCOMPARE(texts, QStringList({"Print Preview", "&Print", "Print &Setup", "Close"}));
    // The grid at its own size from the top-left corner, over the page.
    QVERIFY(grid.width() < page.width() && grid.height() < page.height());
    const QPoint inGrid(grid.width() - 3, grid.height() - 3);
    QCOMPARE(page.pixelColor(inGrid), grid.pixelColor(inGrid));
    // The frame's bottom edge, below the grid.
    const double scale = page.height() / 11.0;
    QVERIFY(blackNear(page, {qRound(4 * scale), qRound(10 * scale)}));
    // Print prints the grid, not the page; Print Setup opens the page setup.
    QCOMPARE(pdfPages(o.dialogs.pdfPath), 1);
    QCOMPARE(o.dialogs.setupCalls, 1);
}

QTEST_MAIN(tst_print)
#include "tst_print.moc"
