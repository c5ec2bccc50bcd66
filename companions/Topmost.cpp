#include "companions/Topmost.h"

#include "res/UiText.h"

void ApplyTopmost(HWND hwnd, int nTopmost) {
    // The extended style may only change while the window is hidden; the Z-order call shows it.
    ::ShowWindow(hwnd, SW_HIDE);
    const LONG_PTR exStyle = ::GetWindowLongPtrA(hwnd, GWL_EXSTYLE);
    const UINT flags = SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW;
    if (nTopmost) {
        ::SetWindowLongPtrA(hwnd, GWL_EXSTYLE, exStyle & ~static_cast<LONG_PTR>(WS_EX_APPWINDOW));
        ::SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, flags);
    } else {
        ::SetWindowLongPtrA(hwnd, GWL_EXSTYLE, exStyle | WS_EX_APPWINDOW);
        ::SetWindowTextA(hwnd, ui::kProductTitle);
        ::SetWindowPos(hwnd, HWND_NOTOPMOST, 0, 0, 0, 0, flags);
    }
}
