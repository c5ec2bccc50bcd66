#include "companions/WindowOrder.h"

namespace {

bool IsTopmost(HWND hwnd) {
    return (::GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

constexpr UINT kOrderOnly = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;

} // namespace

bool IsFirstInItsBand(HWND leader, HWND companion) {
    const bool topmost = IsTopmost(leader);
    for (HWND above = ::GetWindow(leader, GW_HWNDPREV); above;
         above = ::GetWindow(above, GW_HWNDPREV)) {
        if (above == companion || !::IsWindowVisible(above)) continue;
        if (::GetWindow(above, GW_OWNER) == leader) continue; // stays in front of it anyway
        return !topmost && IsTopmost(above);                  // only the band above
    }
    return true;
}

void StandBehind(HWND companion, HWND leader) {
    const bool topmost = IsTopmost(leader);
    const bool first = IsFirstInItsBand(leader, companion);
    // Into the leader's band first: HWND_NOTOPMOST leaves a window that is not topmost alone.
    if (topmost != IsTopmost(companion)) {
        ::SetWindowPos(companion, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, kOrderOnly);
    }
    if (first) {
        ::SetWindowPos(companion, HWND_TOP, 0, 0, 0, 0, kOrderOnly);
        ::SetWindowPos(leader, HWND_TOP, 0, 0, 0, 0, kOrderOnly);
    } else {
        ::SetWindowPos(companion, leader, 0, 0, 0, 0, kOrderOnly);
    }
}
