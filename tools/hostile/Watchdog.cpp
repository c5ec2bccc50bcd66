// Watches the running player while another program drives it with hostile files:
//  - every 100 ms a message is sent to the player's main window, and the longest wait for the
//    answer is kept (a window that does not answer within a second counts as hung);
//  - every message box of the player is answered as soon as it shows: OK, or "No" where it
//    asks (keep the entry), and the exit question "Yes" once the answer file exists.
//
//   Watchdog <folder>   runs until <folder>\stop exists (<folder>\exit: answer the exit
//                       question), then prints "pings N", "longest_ms N", "unanswered N" and
//                       "boxes N" per kind of box
// The main window is the visible 233 x 206 one (only one player may run).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

// The player's message boxes by caption (code page 932, as the player shows them).
struct Box {
    const char* name; // for the report
    const char* caption;
    WPARAM answer; // the button pressed
    int count;
};
Box g_boxes[] = {
    {"open_error", "ふぁいるおーぷんえらー", IDOK, 0},
    {"missing_file", "ふぁいるのえら～だよ。", IDNO, 0},
    {"unusable_name", "なまえのえら～だよ。", IDOK, 0},
    {"no_sound", "おとのえら～だよ。", IDOK, 0},
    {"too_many_files", "えらびすぎえらー", IDOK, 0},
    {"exit", "きえてほしい？", IDYES, 0},
};
bool g_answerExit = false;

BOOL CALLBACK FindPlayer(HWND hwnd, LPARAM found) {
    RECT rect;
    if (::IsWindowVisible(hwnd) && ::GetWindowRect(hwnd, &rect) && rect.right - rect.left == 233 &&
        rect.bottom - rect.top == 206) {
        *reinterpret_cast<HWND*>(found) = hwnd;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK AnswerBox(HWND hwnd, LPARAM) {
    char className[32] = {}, caption[128] = {};
    ::GetClassNameA(hwnd, className, sizeof className);
    if (std::strcmp(className, "#32770") != 0 || !::IsWindowVisible(hwnd)) return TRUE;
    ::GetWindowTextA(hwnd, caption, sizeof caption);
    for (Box& box : g_boxes) {
        if (std::strcmp(caption, box.caption) != 0) continue;
        if (box.answer == IDYES && !g_answerExit) break;
        ::PostMessageA(hwnd, WM_COMMAND, box.answer, 0);
        ++box.count;
        break;
    }
    return TRUE;
}

double Milliseconds() {
    LARGE_INTEGER now, frequency;
    ::QueryPerformanceCounter(&now);
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

bool Exists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: Watchdog <folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    int pings = 0, unanswered = 0;
    double longest = 0;
    HWND player = nullptr;
    while (!Exists(folder + "\\stop")) {
        g_answerExit = Exists(folder + "\\exit");
        ::EnumWindows(&AnswerBox, 0);
        // Hidden while it shrinks, gone at the end: found again.
        if (!player || !::IsWindow(player)) {
            player = nullptr;
            ::EnumWindows(&FindPlayer, reinterpret_cast<LPARAM>(&player));
        }
        if (player) {
            const double start = Milliseconds();
            DWORD_PTR result = 0;
            const bool answered =
                ::SendMessageTimeoutA(player, WM_NULL, 0, 0, SMTO_NORMAL, 1000, &result) != 0;
            ++pings;
            if (answered)
                longest = std::max(longest, Milliseconds() - start);
            else if (::IsWindow(player))
                ++unanswered;
        }
        ::Sleep(100);
    }
    std::printf("pings %d\nlongest_ms %.1f\nunanswered %d\n", pings, longest, unanswered);
    for (const Box& box : g_boxes)
        std::printf("boxes.%s %d\n", box.name, box.count);
    return 0;
}
