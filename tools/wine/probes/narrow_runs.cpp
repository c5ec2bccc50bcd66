// Which rectangles of a window region reach the X server's shape of the window? A red popup at
// the screen's top-left corner whose region is one-pixel-high runs of widths 1 to 10 (row 2w-1
// holds the run of width w, from column 3), and a column one pixel wide in rows 21 to 26. It
// stays for 8 seconds: run.sh reads the screen meanwhile. No code of the player is involved.
// Wine 8 shows every run; Wine 10 shows none narrower than 6 pixels.
#include <windows.h>

#include <cstring>
#include <vector>

int main() {
    std::vector<RECT> rects;
    for (int width = 1; width <= 10; ++width)
        rects.push_back({3, 2 * width - 1, 3 + width, 2 * width});
    rects.push_back({20, 21, 21, 27});
    std::vector<char> buffer(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    data->rdh.dwSize = sizeof(RGNDATAHEADER);
    data->rdh.iType = RDH_RECTANGLES;
    data->rdh.nCount = static_cast<DWORD>(rects.size());
    data->rdh.nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
    data->rdh.rcBound = {0, 0, 40, 30};
    std::memcpy(data->Buffer, rects.data(), rects.size() * sizeof(RECT));

    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = CreateSolidBrush(RGB(255, 0, 0));
    wc.lpszClassName = "narrow_runs";
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, wc.lpszClassName, "narrow_runs", WS_POPUP, 0, 0,
                                  40, 30, nullptr, nullptr, wc.hInstance, nullptr);
    SetWindowRgn(window, ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data), TRUE);
    ShowWindow(window, SW_SHOW);
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < 8000) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        Sleep(10);
    }
    return 0;
}
