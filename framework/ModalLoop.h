// Whether the program is inside a nested message loop of its own: a message box, a popup menu
// or a common dialog, which dispatch messages (timers, sent messages) before they return. Work
// that must not start in the middle of another handler waits until the count is back to 0.
#pragma once

namespace fw {

// Counts one nested loop for as long as it lives (window thread only).
class CModalLoopScope {
public:
    CModalLoopScope();
    ~CModalLoopScope();
    CModalLoopScope(const CModalLoopScope&) = delete;
    CModalLoopScope& operator=(const CModalLoopScope&) = delete;
};

bool IsInModalLoop();

} // namespace fw
