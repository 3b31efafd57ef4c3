#pragma once

#include <QObject>
#include <QSizeF>

#include <memory>

class QPrinter;
class frmMain;

// File > Page Setup, Print and Print Preview, with the program's one printer: the one chosen
// in the last page setup or print dialog.
class PrintCommands : public QObject {
    Q_OBJECT
public:
    PrintCommands(frmMain& main, QObject* parent);
    ~PrintCommands() override;

    QPrinter& printer() const { return *m_printer; }
    // The printer's paper, as it lies (its orientation applied).
    static QSizeF paperInches(const QPrinter& printer);

    // The page-setup dialog, opened on the system's default printer. On OK its printer, paper
    // size, paper source and orientation become the program's; the margins are not used.
    void DoPageSetup();
    // Prints the active timetable's whole grid on one page, at the top-left of the printable
    // area: at its screen size, or scaled down to fit the page when it is larger.
    void DoPrint();
    void mnuFilePrintPreview_Click();

private:
    frmMain& m_main;
    std::unique_ptr<QPrinter> m_printer;
};
