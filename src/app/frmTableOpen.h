#pragma once

#include <QDialog>

class FlexGrid;
class QLabel;
class QPushButton;
class frmMain;

// "Open Timetable": every stored timetable in a list; Open (or a double-click) opens the chosen
// one in a new window, also when it has one open already.
class frmTableOpen : public QDialog {
    Q_OBJECT
public:
    explicit frmTableOpen(frmMain& main);

    // Creates the list, shows it modally and lets it go.
    static void showModal(frmMain& main);

    FlexGrid& g() const { return *m_grid; }
    QPushButton& cmdOK() const { return *m_cmdOK; }
    QPushButton& cmdCancel() const { return *m_cmdCancel; }

    void cmdOK_Click();
    void cmdCancel_Click();

private:
    void Form_Load();

    frmMain& m_main;
    QLabel* m_label = nullptr;
    FlexGrid* m_grid = nullptr;
    QPushButton* m_cmdOK = nullptr;
    QPushButton* m_cmdCancel = nullptr;
};
