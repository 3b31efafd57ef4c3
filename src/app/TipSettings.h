#pragma once

#include <QString>

// The tip dialog's two settings, kept under the executable's name, section "Options". Stored
// text that is empty or no 32-bit number never fails a read.
namespace TipSettings {

// "Show Tips at Startup": anything but 0 shows the tips at start-up (default 1, also for text
// that is no number).
bool showAtStartup();
void setShowAtStartup(bool show);

// "Current Tip": the number of the tip shown last (default 1); 0, no tip, for text that is no
// number, so that the next showing starts again at the first.
int currentTip();
void setCurrentTip(int tip);

} // namespace TipSettings
