#pragma once

#include "data/TimetableLook.h"

#include <QImage>
#include <QPixmap>
#include <QSize>

// The small pictures beside a style list that show what a style looks like.
namespace StylePreview {

// The size of every drawn sample.
inline constexpr QSize SampleSize{142, 64};

// The preview of the style at `listPosition` in a style list: the stored pictures for
// positions 0 and 1, otherwise a sample drawn from the style's own fonts and colours. No
// picture for a negative position (nothing chosen).
QPixmap picture(int listPosition, const TimetableLook& look);

// A small class timetable in the look's fonts and colours, with a lunch column.
QImage sample(const TimetableLook& look, QSize size = SampleSize);

} // namespace StylePreview
