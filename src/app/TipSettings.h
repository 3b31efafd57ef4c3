#pragma once

#include <QString>

// The tip dialog's two settings, kept under the executable's name, section "Options". Text that
// is empty or no 32-bit number reads as the default.
namespace TipSettings {

// "Show Tips at Startup": anything but 0 shows the tips at start-up (default 1).
bool showAtStartup();
void setShowAtStartup(bool show);

// "Current Tip": the number of the tip shown last (default 1).
int currentTip();
void setCurrentTip(int tip);

} // namespace TipSettings
