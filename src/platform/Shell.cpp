#include "Shell.h"

#include "MsgBox.h"
#include "Seams.h"

#include <QDesktopServices>

namespace Shell {

bool openUrl(const QUrl& url) {
    if (seams().openUrl)
        return seams().openUrl(url);
    return QDesktopServices::openUrl(url);
}

void openWebPage(const QUrl& url, QWidget* parent) {
    if (openUrl(url))
        return;
    MsgBox(QStringLiteral("The web address could not be opened:\n\n%1\n\nType it into your web "
                          "browser to visit the page.")
               .arg(url.toString()),
           vb::vbExclamation, parent);
}

} // namespace Shell
