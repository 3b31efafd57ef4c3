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
#include <QTransform>

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
    std::optional<QPageSize> paper; // chosen in the printer dialog
    QPageLayout::Orientation setupStartedWith = QPageLayout::Landscape;

    bool choosePrinter(QWidget*, QPrinter& printer) override {
        ++printerCalls;
        if (grid)
            highlightSeen = grid->HighLight();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
        if (paper)
            printer.setPageSize(*paper);
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

// The uncompressed content streams of a PDF file.
QList<QByteArray> pdfContents(const QByteArray& pdf) {
    QList<QByteArray> contents;
    static const QRegularExpression stream("/FlateDecode[^>]*>>\\s*stream\\r?\\n");
    for (const QRegularExpressionMatch& match : stream.globalMatch(QString::fromLatin1(pdf))) {
        const qsizetype start = match.capturedEnd();
        const qsizetype end = pdf.indexOf("endstream", start);
        // qUncompress wants the expected size first; a generous one does.
        QByteArray zlib("\x01\x00\x00\x00", 4);
        zlib += pdf.mid(start, end - start);
        contents << qUncompress(zlib);
    }
    return contents;
}

// Where the filled rectangles (cell backgrounds and grid lines) of a one-page PDF that Qt wrote
// lie together, in inches from the page's top-left corner; the grid is drawn of nothing else.
QRectF filledArea(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray pdf = file.readAll();
    const QRegularExpressionMatch media =
        QRegularExpression("/MediaBox \\[0 0 [\\d.]+ ([\\d.]+)\\]").match(QString::fromLatin1(pdf));
    const double pageHeight = media.captured(1).toDouble();
    QRectF area;
    for (const QByteArray& content : pdfContents(pdf)) {
        const QList<QByteArray> tokens = content.simplified().split(' ');
        QTransform toPage; // device pixels to points
        for (qsizetype i = 6; i < tokens.size(); ++i) {
            auto number = [&](qsizetype back) { return tokens[i - back].toDouble(); };
            if (tokens[i] == "cm")
                toPage =
                    QTransform(number(6), number(5), number(4), number(3), number(2), number(1));
            if (tokens[i] == "re" && i + 1 < tokens.size() && tokens[i + 1] == "f") {
                const QRectF points =
                    toPage.mapRect(QRectF(number(4), number(3), number(2), number(1)));
                area |= QRectF(points.left() / 72, (pageHeight - points.bottom()) / 72,
                               points.width() / 72, points.height() / 72);
            }
        }
    }
    return area;
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

// The whole grid's size at its own size on paper, in inches.
QSizeF gridInches(const FlexGrid& g) {
    int width = 0;
    int height = 0;
    for (int c = 0; c < g.Cols(); ++c)
        width += g.ColWidth(c);
    for (int r = 0; r < g.Rows(); ++r)
        height += g.RowHeight(r);
    return QSizeF(width, height) / 1440;
}

// The dark runs along one row of pixels: the grid lines crossed.
int darkRuns(const QImage& image, int y) {
    int runs = 0;
    bool inRun = false;
    for (int x = 0; x < image.width(); ++x) {
        const bool dark = image.pixelColor(x, y).lightness() < 100;
        runs += dark && !inRun;
        inRun = dark;
    }
    return runs;
}

// A class timetable at the default sizes open in its window (two days and two periods unless
// told), the printer dialogs answered by `dialogs`.
struct OpenTimetable {
    TestFixture f;
    PrintDialogs dialogs;
    frmTableWindow* window = nullptr;
    PrintCommands& commands() { return f.outputCommands().printCommands(); }

    explicit OpenTimetable(int days = 2, int periods = 2) {
        const SmallSchool school = addSmallSchool(f.db());
        QStringList dayNames;
        for (int day = 1; day <= days; ++day)
            dayNames << QString("Day %1").arg(day);
        QList<Period> starts;
        for (int period = 0; period < periods; ++period)
            starts << Period{QString("%1:00:00").arg(8 + period, 2, 10, QChar('0'))};
        const int id = addTimetable(f.db(), "Class", school.c7A, dayNames, starts);
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
    void printHoldsTheWholeGrid_data();
    void printHoldsTheWholeGrid();
    void previewShowsTheWholeGridAsPrinted_data();
    void previewShowsTheWholeGridAsPrinted();
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
    const QPrinter& printer = o.commands().printer();
    const QSizeF paper = printer.pageLayout().fullRect(QPageLayout::Inch).size();
    const QRectF printable = printer.pageRect(QPrinter::Inch);
    // The item is hidden, so no user can choose it: run its command as the menu would.
    emit o.f.main().menus().item("mnuFilePrintPreview")->triggered();
    QCOMPARE(texts, QStringList({"Print Preview", "&Print", "Print &Setup", "Close"}));
    // The grid at its own size on the printer's page (as it was before Print Setup), from the
    // printable area's top-left: its fixed corner cell there, the lines of its three columns,
    // then the page's white.
    const double scale = page.height() / paper.height();
    const QPoint origin = (printable.topLeft() * scale).toPoint();
    const int right = origin.x() + qRound(gridInches(o.window->g()).width() * scale);
    QCOMPARE(page.pixelColor(origin + QPoint(3, 3)), grid.pixelColor(3, 3));
    QCOMPARE(darkRuns(page, origin.y() + 3), 3);
    int lastDark = page.width() - 1;
    while (lastDark > 0 && page.pixelColor(lastDark, origin.y() + 3).lightness() >= 100)
        --lastDark;
    QVERIFY(std::abs(lastDark + 1 - right) <= 2);
    // The frame's bottom edge, below the grid.
    QVERIFY(blackNear(page, {qRound(4 * scale), qRound(10 * scale)}));
    // Print prints the grid, not the page; Print Setup opens the page setup.
    QCOMPARE(pdfPages(o.dialogs.pdfPath), 1);
    QCOMPARE(o.dialogs.setupCalls, 1);
}

void tst_print::printHoldsTheWholeGrid_data() {
    QTest::addColumn<QPageSize::PageSizeId>("paper");
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("periods");
    QTest::addColumn<bool>("scaled");
    QTest::newRow("8 periods, A4") << QPageSize::A4 << 5 << 8 << true;
    QTest::newRow("8 periods, Letter") << QPageSize::Letter << 5 << 8 << true;
    QTest::newRow("15 days, Letter") << QPageSize::Letter << 15 << 2 << true;
    QTest::newRow("fits A4") << QPageSize::A4 << 5 << 6 << false;
}

// A grid larger than the printable area is scaled down to fit, keeping its proportions; one
// that fits is printed at its own size. Either way from the printable area's top-left.
void tst_print::printHoldsTheWholeGrid() {
    QFETCH(QPageSize::PageSizeId, paper);
    QFETCH(int, days);
    QFETCH(int, periods);
    QFETCH(bool, scaled);
    OpenTimetable o(days, periods);
    o.dialogs.paper = QPageSize(paper);
    QVERIFY(o.f.trigger("mnuFilePrint"));
    QCOMPARE(pdfPages(o.dialogs.pdfPath), 1);

    const QRectF printable = o.commands().printer().pageRect(QPrinter::Inch);
    const QSizeF own = gridInches(o.window->g());
    const QRectF drawn = filledArea(o.dialogs.pdfPath);
    QCOMPARE(own.width() > printable.width() || own.height() > printable.height(), scaled);
    constexpr double Inch = 0.01; // rounding of the printable area's inches
    QVERIFY2(std::abs(drawn.left() - printable.left()) < Inch,
             qPrintable(QString::number(drawn.left())));
    QVERIFY(std::abs(drawn.top() - printable.top()) < Inch);
    QVERIFY2(drawn.right() <= printable.right() + Inch,
             qPrintable(QString("%1 > %2").arg(drawn.right()).arg(printable.right())));
    QVERIFY(drawn.bottom() <= printable.bottom() + Inch);
    if (scaled) {
        QVERIFY(std::max(drawn.width() / printable.width(), drawn.height() / printable.height()) >
                0.99);
        QVERIFY(std::abs(drawn.width() / drawn.height() - own.width() / own.height()) < 0.01);
    } else {
        QVERIFY(std::abs(drawn.width() - own.width()) < Inch);
        QVERIFY(std::abs(drawn.height() - own.height()) < Inch);
    }
}

void tst_print::previewShowsTheWholeGridAsPrinted_data() {
    QTest::addColumn<QPageSize::PageSizeId>("paper");
    QTest::newRow("A4") << QPageSize::A4;
    QTest::newRow("Letter") << QPageSize::Letter;
}

// The preview shows the printer's page with the grid where and as the print puts it.
void tst_print::previewShowsTheWholeGridAsPrinted() {
    QFETCH(QPageSize::PageSizeId, paper);
    OpenTimetable o(5, 8);
    QPrinter& printer = o.commands().printer();
    printer.setPageSize(QPageSize(paper));
    QImage page;
    int calls = 0;
    seams().modal = [&](QDialog& dialog) {
        if (auto* preview = qobject_cast<frmPrintPreview*>(&dialog); preview && ++calls == 1)
            page = preview->Picture1().page();
        return int(QDialog::Rejected);
    };
    emit o.f.main().menus().item("mnuFilePrintPreview")->triggered();
    QCOMPARE(calls, 1);

    const QSizeF paperInches = printer.pageLayout().fullRect(QPageLayout::Inch).size();
    QVERIFY(std::abs(page.width() - page.height() * paperInches.width() / paperInches.height()) <=
            1);
    // Just below the grid's top edge, across the header row: the right-hand line of every
    // column, the fixed one and the eight periods, is on the page.
    const double pixelsPerInch = page.height() / paperInches.height();
    const int y = qRound(printer.pageRect(QPrinter::Inch).top() * pixelsPerInch) + 2;
    QCOMPARE(darkRuns(page, y), 9);
}

QTEST_MAIN(tst_print)
#include "tst_print.moc"
