#pragma once

#include "app/ModMain.h"
#include "data/DBConnection.h"
#include "platform/CommonDialog.h"
#include "platform/MsgBox.h"
#include "platform/Seams.h"
#include "wiring/CommandWiring.h"

#include <QList>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class FlexGrid;
class frmMain;
class frmTableWindow;

// Records every message box and answers it from a script (OK, or Yes for questions, when the
// script has run out).
class MsgBoxRecorder {
public:
    QList<MsgBoxCall> calls;
    QList<int> answers;

    int respond(const MsgBoxCall& call);
    const MsgBoxCall& last() const { return calls.constLast(); }
};

// Cancels every file, colour, font, printer and page-setup dialog, so that no desktop dialog
// ever waits for a user in a test run.
class CancellingDialogs : public CommonDialog {
public:
    QString getSaveFileName(QWidget*, const QString&, const QString&, const QString&,
                            QString*) override {
        return {};
    }
    QString getOpenFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    std::optional<QColor> chooseColor(QWidget*, const QColor&) override { return std::nullopt; }
    std::optional<QFont> chooseFont(QWidget*, const QFont&) override { return std::nullopt; }
    bool choosePrinter(QWidget*, QPrinter&) override { return false; }
    bool pageSetup(QWidget*, QPrinter&) override { return false; }
};

// A fresh database made from resources/db.sql in a temporary folder, which is also the
// program folder and the settings folder; message boxes answered by the recorder. A modal
// dialog that a test does not answer itself is cancelled at once (its name kept in `dialogs`),
// so a command that opens one never blocks the run; so are the common dialogs unless a test puts
// its own in the seams.
class TestFixture {
public:
    TestFixture();
    ~TestFixture();

    QString folder() const { return m_dir.path(); }
    QString dbPath() const;
    DBConnection& db() { return state.db(); }

    // Opens another connection to the same file (to look at rows as stored).
    std::unique_ptr<DBConnection> openSecond(DBConnection::Options options = {}) const;

    // The main window, wired as the program wires it and loaded on first use (splash, tip and
    // first-run prompts left out).
    frmMain& main();
    // The wizards, the manage dialog and Auto Fill of the main window.
    SetupCommands& setupCommands();
    // Formatting, styles, find and replace, the capacity report, exports and printing.
    OutputCommands& outputCommands();

    // Opens a stored timetable in its window, draws it and makes it the active window.
    frmTableWindow* openTimetable(int timetableId);

    // Makes the already open window of a timetable the active one; null when none is open.
    frmTableWindow* activateOpen(int timetableId);
    // Chooses a menu item as the user does; false when it is missing or disabled.
    bool trigger(const QString& item);

    // Makes a new database file from the script at `path`.
    static QString makeDatabase(const QString& path);

private:
    SeamsReset m_reset;
    QTemporaryDir m_dir;
    CancellingDialogs m_cancellingDialogs;

public:
    ModMain state;
    MsgBoxRecorder boxes;
    QStringList dialogs;

private:
    std::unique_ptr<frmMain> m_main;
    WiredCommands m_commands;
};

// Makes (row, col) the current cell and selects the block to (rowSel, colSel), the current
// cell alone when they are left out.
void selectCells(FlexGrid& grid, int row, int col, int rowSel = -1, int colSel = -1);

// Reads one number from the database; INT_MIN (with a warning) on any error.
int scalar(const DBConnection& db, const QString& sql, const QVariantList& values = {});
