// When the main window shrinks to the mini window by itself. Platform-free.
#pragma once

#include <ctime>

namespace mainwnd {

// The automatic shrink needs more than this many seconds without a press, release or right
// click on the main window.
constexpr time_t kInactivityLimitSec = 180;

// True when the timer should shrink the main window now: the option is on, the window is not
// shrunk already, and more than the limit has passed since the user's last action.
constexpr bool ShouldShrinkByTimer(time_t now, time_t lastAction, bool shrunk, bool autoShrink) {
    return now - lastAction > kInactivityLimitSec && !shrunk && autoShrink;
}

} // namespace mainwnd
