#pragma once

#include <QString>

class QWidget;

// Buttons, icons and answers of a message box, with the values the program has always used.
namespace vb {
enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
};
enum MsgBoxResult : int { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };
} // namespace vb

struct MsgBoxCall {
    QString caption;
    QString text;
    int buttons = vb::vbOKOnly; // the button part of the style
    int icon = 0;               // the icon part of the style
};

inline const QString ApplicationTitle = QStringLiteral("Periwell");

// Shows a modal message box captioned with the application title and returns the button
// pressed. Every message box of the program goes through here.
int MsgBox(const QString& text, int style = vb::vbOKOnly, QWidget* parent = nullptr);
