#include "PrintCommands.h"

#include "PrintKit.h"
#include "app/frmMain.h"
#include "app/frmTableWindow.h"
#include "frmPrintPreview.h"
#include "platform/CommonDialog.h"
#include "platform/FlexAlignment.h"
#include "platform/FlexGrid.h"
#include "platform/ModalRunner.h"
#include "platform/MsgBox.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace {

// Hides the grid's selection for a print and shows it again, whatever way the print ends.
class HighlightOff {
public:
    explicit HighlightOff(FlexGrid& grid) : m_grid(grid) {
        m_grid.setHighLight(flexHighlightNever);
    }
    ~HighlightOff() { m_grid.setHighLight(flexHighlightAlways); }
    HighlightOff(const HighlightOff&) = delete;
    HighlightOff& operator=(const HighlightOff&) = delete;

private:
    FlexGrid& m_grid;
};

bool printGrid(const FlexGrid& grid, QPrinter& printer) {
    PrintKit kit(printer);
    const QSizeF paper = PrintCommands::paperInches(printer);
    if (!kit.BeginPrintPage(nullptr, true, paper.width(), paper.height()))
        return false;
    kit.PrintGrid(grid);
    return kit.EndPrintPage();
}

} // namespace

PrintCommands::PrintCommands(frmMain& main, QObject* parent)
    : QObject(parent), m_main(main),
      m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    setObjectName(QStringLiteral("PrintCommands"));
}

PrintCommands::~PrintCommands() = default;

QSizeF PrintCommands::paperInches(const QPrinter& printer) {
    return printer.pageLayout().fullRect(QPageLayout::Inch).size();
}

void PrintCommands::DoPageSetup() {
    // Each page setup starts from the system's default printer, not from the last choice.
    QPrinter setup(QPrinter::HighResolution);
    if (!commonDialog().pageSetup(&m_main, setup))
        return;
    if (QPrinterInfo::availablePrinterNames().contains(setup.printerName()))
        m_printer->setPrinterName(setup.printerName());
    const QPageLayout layout = setup.pageLayout();
    m_printer->setPageSize(layout.pageSize());
    m_printer->setPaperSource(setup.paperSource());
    m_printer->setPageOrientation(layout.orientation());
}

void PrintCommands::DoPrint() {
    frmTableWindow* window = m_main.activeTableWindow();
    if (!window)
        return;
    const HighlightOff highlight(window->g());
    if (!commonDialog().choosePrinter(&m_main, *m_printer))
        return;
    if (!printGrid(window->g(), *m_printer))
        MsgBox(QStringLiteral("The timetable could not be printed."), vb::vbCritical, &m_main);
}

void PrintCommands::mnuFilePrintPreview_Click() {
    const frmTableWindow* window = m_main.activeTableWindow();
    if (!window)
        return;
    frmPrintPreview preview(*this, window->g(), &m_main);
    runModal(preview);
}
