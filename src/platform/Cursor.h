#pragma once

#include <QPoint>

namespace Cursor {

// Where the mouse pointer is, in screen pixels (a test may place it through the seams).
QPoint pos();

} // namespace Cursor
