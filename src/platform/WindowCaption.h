#pragma once

class QWidget;

// Room for a window's caption in the title bar the desktop draws over it.
namespace WindowCaption {

// The least width at which a title bar shows the window's whole caption: the caption in a
// title bar's larger bold font, beside room for the window's icon and its three buttons.
int wholeCaptionWidth(const QWidget& window);

// Makes the window at least wholeCaptionWidth() wide, keeping what its layout needs.
void keepCaptionWhole(QWidget& window);

} // namespace WindowCaption
