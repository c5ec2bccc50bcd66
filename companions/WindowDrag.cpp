#include "companions/WindowDrag.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Half the side of the square around the press within which the pointer may wander.
int Slop(int dragMetric, int doubleClickMetric) {
    return std::max(::GetSystemMetrics(dragMetric), ::GetSystemMetrics(doubleClickMetric)) / 2;
}

} // namespace

void CWindowDrag::Press(HWND hwnd, POINT point) {
    m_press = point;
    ::ClientToScreen(hwnd, &m_press);
    m_bPressed = true;
    ::SetCapture(hwnd); // the moves and the release come here, wherever the pointer goes
}

void CWindowDrag::MouseMove(HWND hwnd, UINT flags) {
    if (!m_bPressed) return;
    if (!(flags & MK_LBUTTON)) return Release(); // released where we did not see it
    POINT now{};
    ::GetCursorPos(&now);
    if (std::abs(now.x - m_press.x) <= Slop(SM_CXDRAG, SM_CXDOUBLECLK) &&
        std::abs(now.y - m_press.y) <= Slop(SM_CYDRAG, SM_CYDOUBLECLK)) {
        return;
    }
    Release();
    // The window catches up with the pointer first, and the move loop starts from where the
    // pointer is (Wine's starts there whatever point it is given).
    RECT rect{};
    ::GetWindowRect(hwnd, &rect);
    ::SetWindowPos(hwnd, nullptr, rect.left + now.x - m_press.x, rect.top + now.y - m_press.y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::SendMessageA(hwnd, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(now.x, now.y));
}

void CWindowDrag::Release() {
    if (!m_bPressed) return;
    m_bPressed = false;
    ::ReleaseCapture();
}
