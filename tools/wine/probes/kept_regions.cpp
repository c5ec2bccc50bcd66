// Does the system keep a GDI object of its own when a window with a region is shown? Creates a
// bare popup with a rectangular region, shows and hides it ten times, then destroys it, and
// prints the region objects of this process's GDI handle table around each step. No code of the
// player is involved. Wine 8: nothing kept. Wine 10 (64- and 32-bit): one region per show,
// never freed, not even with the window.
#include <windows.h>
#include <winternl.h>

#include <cstdint>
#include <cstdio>

namespace {

struct GdiHandleEntry { // as in Wine's shared GDI handle table, in both widths
    uint64_t object;
    uint32_t owner;
    uint16_t unique;
    uint8_t type; // 4: region
    uint8_t flags;
    uint64_t user;
};

int Regions() {
    const char* peb = reinterpret_cast<const char*>(NtCurrentTeb()->ProcessEnvironmentBlock);
#ifndef _WIN64
    peb -= 0x1000; // the 64-bit block of a WoW64 process, which alone names the table
#endif
    const auto* table = reinterpret_cast<const GdiHandleEntry*>(
        static_cast<uintptr_t>(*reinterpret_cast<const uint64_t*>(peb + 0xF8)));
    int count = 0;
    for (int i = 0; i < 16384; ++i)
        count += table[i].type == 4;
    return count;
}

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

} // namespace

int main() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "kept_regions";
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 10, 10, 100, 100, nullptr,
                                  nullptr, wc.hInstance, nullptr);
    SetWindowRgn(window, CreateRectRgn(0, 0, 50, 50), TRUE); // the system's from now on
    int before = Regions();
    ShowWindow(window, SW_SHOW); // the first show may fill caches
    Pump();
    ShowWindow(window, SW_HIDE);
    Pump();
    before = Regions();
    for (int i = 0; i < 10; ++i) {
        ShowWindow(window, SW_SHOW);
        Pump();
        ShowWindow(window, SW_HIDE);
        Pump();
    }
    std::printf("10 shows and hides: region objects %d -> %d\n", before, Regions());
    before = Regions();
    DestroyWindow(window);
    Pump();
    std::printf("window destroyed:   region objects %d -> %d\n", before, Regions());
    return 0;
}
