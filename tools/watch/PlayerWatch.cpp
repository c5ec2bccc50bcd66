#include "tools/watch/PlayerWatch.h"

#include <cstring>

namespace watch {

const PlayerBox kPlayerBoxes[] = {
    {"open_error", "ふぁいるおーぷんえらー", IDOK},
    {"missing_file", "ふぁいるのえら～だよ。", IDNO}, // keeps the entry
    {"unusable_name", "なまえのえら～だよ。", IDOK},
    {"no_sound", "おとのえら～だよ。", IDOK},
    {"too_many_files", "えらびすぎえらー", IDOK},
    {"fatal_error", "たいへんなえら～だよ。", IDOK},
    {"exit", "きえてほしい？", IDYES},
};
const int kPlayerBoxCount = static_cast<int>(sizeof kPlayerBoxes / sizeof kPlayerBoxes[0]);

namespace {

BOOL CALLBACK TakeIfPlayer(HWND hwnd, LPARAM found) {
    RECT rect;
    if (::IsWindowVisible(hwnd) && ::GetWindowRect(hwnd, &rect) && rect.right - rect.left == 233 &&
        rect.bottom - rect.top == 206) {
        *reinterpret_cast<HWND*>(found) = hwnd;
        return FALSE;
    }
    return TRUE;
}

} // namespace

HWND FindPlayerWindow() {
    HWND found = nullptr;
    ::EnumWindows(&TakeIfPlayer, reinterpret_cast<LPARAM>(&found));
    return found;
}

const PlayerBox* BoxOf(HWND hwnd) {
    char className[32] = {}, caption[128] = {};
    ::GetClassNameA(hwnd, className, sizeof className);
    if (std::strcmp(className, "#32770") != 0 || !::IsWindowVisible(hwnd)) return nullptr;
    ::GetWindowTextA(hwnd, caption, sizeof caption);
    for (const PlayerBox& box : kPlayerBoxes) {
        if (std::strcmp(caption, box.caption) == 0) return &box;
    }
    return nullptr;
}

bool Ping(HWND window, UINT timeoutMs) {
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &result) != 0;
}

double Milliseconds() {
    LARGE_INTEGER now, frequency;
    ::QueryPerformanceCounter(&now);
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

bool FileExists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace watch
