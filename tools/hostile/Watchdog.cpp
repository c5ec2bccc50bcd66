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
#include "tools/watch/PlayerWatch.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

bool g_answerExit = false;

// `answered` counts the boxes of each kind, in the order of watch::kPlayerBoxes.
BOOL CALLBACK AnswerBox(HWND hwnd, LPARAM answered) {
    const watch::PlayerBox* box = watch::BoxOf(hwnd);
    if (!box || (box->answer == IDYES && !g_answerExit)) return TRUE;
    ::PostMessageA(hwnd, WM_COMMAND, box->answer, 0);
    ++(*reinterpret_cast<std::vector<int>*>(
        answered))[static_cast<size_t>(box - watch::kPlayerBoxes)];
    return TRUE;
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
    std::vector<int> answered(static_cast<size_t>(watch::kPlayerBoxCount));
    while (!watch::FileExists(folder + "\\stop")) {
        g_answerExit = watch::FileExists(folder + "\\exit");
        ::EnumWindows(&AnswerBox, reinterpret_cast<LPARAM>(&answered));
        // Hidden while it shrinks, gone at the end: found again.
        if (!player || !::IsWindow(player)) player = watch::FindPlayerWindow();
        if (player) {
            const double start = watch::Milliseconds();
            const bool answered = watch::Ping(player, 1000);
            ++pings;
            if (answered)
                longest = std::max(longest, watch::Milliseconds() - start);
            else if (::IsWindow(player))
                ++unanswered;
        }
        ::Sleep(100);
    }
    std::printf("pings %d\nlongest_ms %.1f\nunanswered %d\n", pings, longest, unanswered);
    for (int i = 0; i < watch::kPlayerBoxCount; ++i)
        std::printf("boxes.%s %d\n", watch::kPlayerBoxes[i].name, answered[static_cast<size_t>(i)]);
    return 0;
}
