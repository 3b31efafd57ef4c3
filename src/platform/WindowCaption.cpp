#include "WindowCaption.h"

#include <QFontMetrics>
#include <QWidget>

#include <algorithm>

namespace WindowCaption {

namespace {

// Desktops set captions bold and often larger than the window's text, and draw an icon and
// three buttons beside them, each about two lines of the caption high and wide.
constexpr double TitleFontScale = 1.2;
constexpr int ButtonsAndIcon = 4;
constexpr int LinesPerButton = 2;

} // namespace

int wholeCaptionWidth(const QWidget& window) {
    QFont font = window.font();
    font.setBold(true);
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * TitleFontScale);
    else
        font.setPixelSize(qRound(font.pixelSize() * TitleFontScale));
    const QFontMetrics metrics(font);
    const int buttons = ButtonsAndIcon * LinesPerButton * metrics.height();
    // Some margin on each side of the caption.
    return metrics.horizontalAdvance(window.windowTitle()) + buttons + 2 * metrics.height();
}

void keepCaptionWhole(QWidget& window) {
    // The width alone: the layout goes on setting the least height.
    window.setMinimumWidth(std::max(window.minimumSizeHint().width(), wholeCaptionWidth(window)));
}

} // namespace WindowCaption
