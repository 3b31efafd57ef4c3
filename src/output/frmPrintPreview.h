#pragma once

#include <QDialog>

class FlexGrid;
class PageSurface;
class PrintCommands;
class QPushButton;

// The printer's page with a frame, a rule and the active timetable's grid, the grid placed and
// sized as a print puts it, drawn once as the dialog opens. Print prints the grid, not the
// frame and rule.
class frmPrintPreview : public QDialog {
    Q_OBJECT
public:
    frmPrintPreview(PrintCommands& commands, const FlexGrid& grid, QWidget* parent);

    PageSurface& Picture1() const { return *m_page; }
    QPushButton& cmdOK() const { return *m_cmdOK; }
    QPushButton& cmdSetup() const { return *m_cmdSetup; }
    QPushButton& cmdCancel() const { return *m_cmdCancel; }

    // The surface's size before the page is fitted into it, in pixels.
    static QSize surfaceSize();

private:
    void drawPage(const FlexGrid& grid);

    PrintCommands& m_commands;
    PageSurface* m_page = nullptr;
    QPushButton* m_cmdOK = nullptr;
    QPushButton* m_cmdSetup = nullptr;
    QPushButton* m_cmdCancel = nullptr;
};
