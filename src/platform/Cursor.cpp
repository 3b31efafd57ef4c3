#include "Cursor.h"

#include "Seams.h"

#include <QCursor>

namespace Cursor {

QPoint pos() {
    return seams().cursorPos ? seams().cursorPos() : QCursor::pos();
}

} // namespace Cursor
