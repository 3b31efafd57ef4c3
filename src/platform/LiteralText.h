#pragma once

#include <QString>

class QLabel;
class QWidget;

// Names, day and period labels, style names and tips-file lines are data, never markup: Qt
// guesses rich text in a label, reads '&' in a menu text as a shortcut mark and "[*]" in a
// window title as the modified mark. These show such text exactly as it was typed.
namespace LiteralText {

// A label that draws its text as plain text, whatever it holds.
QLabel* label(const QString& text, QWidget* parent);

// `text` on one line: each tab and line break a space, as a menu or a list line shows a name.
QString oneLine(const QString& text);

// The text for a menu item that shows `text`: on one line, so that a tab cannot push its end into
// the shortcut column, and each '&' doubled.
QString menuText(const QString& text);

// Sets the title of `window` to show `title` as it is: each "[*]" doubled.
void setWindowTitle(QWidget& window, const QString& title);

// The title as given to setWindowTitle above (also read from the sub-window that frames it).
QString windowTitle(const QWidget& window);

} // namespace LiteralText
