#pragma once

#include <QUrl>

class QWidget;

// Hands a web address to the desktop, which opens it in the user's browser.
namespace Shell {

// Opens `url` (through the test seam when one is set); false when it could not be opened.
bool openUrl(const QUrl& url);

// Opens `url`; where it cannot be opened, one box says so and shows the address, so that the
// user can type it into a browser elsewhere.
void openWebPage(const QUrl& url, QWidget* parent);

} // namespace Shell
