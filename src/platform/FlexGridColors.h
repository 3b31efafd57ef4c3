#pragma once

#include <QColor>

// The grid-wide colours: body cells, fixed cells, the selection and the two kinds of grid line.
struct FlexGridColors {
    QColor back{Qt::white};
    QColor fore{Qt::black};
    QColor backFixed{0xF0, 0xF0, 0xF0};
    QColor foreFixed{Qt::black};
    QColor backSel{0x00, 0x78, 0xD7};
    QColor foreSel{Qt::white};
    QColor grid{0xC0, 0xC0, 0xC0};
    QColor gridFixed{0x80, 0x80, 0x80};
};
