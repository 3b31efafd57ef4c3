#pragma once

#include "GridTextSearch.h"

#include <QDialog>
#include <QPointer>

class QLabel;
class QLineEdit;
class QPushButton;
class frmMain;
class frmTableWindow;

// "Find": finds the next cell, across the open timetable windows in the order they were
// opened, whose shown text holds the search text. Modeless, one instance, owned by the main
// window; closing any timetable window closes it.
class frmFind : public QDialog {
    Q_OBJECT
public:
    explicit frmFind(frmMain& main);

    QLineEdit& txtFind() const { return *m_txtFind; }
    QPushButton& cmdOK() const { return *m_cmdOK; }
    QPushButton& cmdCancel() const { return *m_cmdCancel; }

    // One search step: from the cell after the active window's current cell to the next match.
    void cmdOK_Click();
    void cmdCancel_Click();

private:
    void startSearch(frmTableWindow& active);
    // Scans one window; true when it stopped at a match. The first window of a click goes on
    // from its current cell (when the click could step), later ones start at the top.
    bool scanWindow(frmTableWindow& w, const QString& text, bool fromCurrent, bool stepped);
    // The window after `w` among the open ones, in the order they were opened.
    static frmTableWindow* nextWindow(const QList<frmTableWindow*>& windows, frmTableWindow& w);
    // Makes the window the active one, with its current cell in the lists, and the dialog the
    // front window again.
    void bringToFront(frmTableWindow& w);

    frmMain& m_main;
    QLabel* m_lblSlot = nullptr;
    QLineEdit* m_txtFind = nullptr;
    QPushButton* m_cmdOK = nullptr;
    QPushButton* m_cmdCancel = nullptr;

    // The search, kept from one click to the next. Windows are held by identity: two windows
    // of one timetable are two places to search.
    bool NewSearch = true;
    QPointer<frmTableWindow> m_searchStart;  // where the search began
    GridTextSearch::Cell m_startCell;        // the cell it began after
    QPointer<frmTableWindow> m_searchWindow; // where the last click stopped
    bool m_wrapped = false; // back in the start window: only the cells up to m_startCell are left
};
