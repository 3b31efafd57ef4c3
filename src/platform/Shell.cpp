#include "Shell.h"

#include "Seams.h"

#include <QDesktopServices>

namespace Shell {

void openUrl(const QUrl& url) {
    if (seams().openUrl) {
        seams().openUrl(url);
        return;
    }
    QDesktopServices::openUrl(url);
}

} // namespace Shell
