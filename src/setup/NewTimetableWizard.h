#pragma once

#include "NewTimetableAnswers.h"

class ModMain;
class QWidget;

// The pages of the new-timetable wizard, one after the other: welcome, style, kind, owner,
// days, hours, finish.
namespace NewTimetableWizard {

constexpr int PageCount = 7;

// Runs the pages from fresh answers. True when the user pressed Finish; the answers hold what
// the pages stored either way (an owner row added before a Cancel stays added).
bool run(ModMain& state, NewTimetableAnswers& answers, QWidget* parent);

} // namespace NewTimetableWizard
