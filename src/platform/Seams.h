#pragma once

#include <QPoint>
#include <QString>
#include <QUrl>

#include <functional>

class CommonDialog;
class QDialog;
struct MsgBoxCall;

// The places where the program meets the desktop, each replaceable by a test. Production code
// leaves every member unset and gets the real thing; nothing here ever blocks a test run.
struct Seams {
    std::function<int(const MsgBoxCall&)> msgBox; // answers message boxes
    std::function<int(QDialog&)> modal;           // runs modal dialogs and wizard pages
    std::function<bool(const QUrl&)> openUrl;     // opens a web address; false on failure
    std::function<double()> rnd;                  // the random source of Rnd()
    std::function<QPoint()> cursorPos;            // the mouse pointer, in screen pixels
    // Takes the help commands instead of the help window: "contents", "index" and "search"
    // with 0, "context" with the topic number.
    std::function<void(const QString& command, int context)> help;
    CommonDialog* commonDialog = nullptr; // file, colour, font, printer dialogs
    QString settingsFolder;               // where the settings files live
    QString programFolder;                // where db.mdb and the tips file live
    QString executableName;               // names the program's own settings
};

Seams& seams();

// Restores every seam to the real desktop when it goes out of scope.
class SeamsReset {
public:
    SeamsReset() = default;
    ~SeamsReset() { seams() = Seams{}; }
    SeamsReset(const SeamsReset&) = delete;
    SeamsReset& operator=(const SeamsReset&) = delete;
};
