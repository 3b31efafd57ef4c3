#pragma once

#include <QUrl>

// Hands a web address to the desktop, which opens it in the user's browser.
namespace Shell {

// Opens `url` (through the test seam when one is set); a failure is ignored.
void openUrl(const QUrl& url);

} // namespace Shell
