// Watches the running player from outside while soak.py drives it:
//  - every 100 ms a message is sent to the player's main window (hidden or not), and the longest
//    wait for the answer is kept (a window that does not answer within a second counts as hung);
//  - a message box that the soak does not expect (any but the exit question, which the soak
//    answers itself) is counted and answered, so that one finding does not stop the run;
//  - on request, the player's GDI objects, windows and kernel handles are counted from this
//    process (tests/support/ResourceCounts: its GDI handle table read through its memory).
//
//   SoakProbe <folder>   finds the player (the visible 233 x 206 window) and runs until
//                        <folder>\stop exists. Whenever <folder>\count exists it writes
//                        <folder>\counts.txt ("pid", "gdi", "windows", "handles", and "pings",
//                        "longest_ms", "unanswered" since the last count, "boxes") and deletes
//                        the request. At the end it prints the totals.
#include "tests/support/ResourceCounts.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

// The player's message boxes that a soak never brings up (code page 932, as the player shows
// them), with the button that answers each.
struct Box {
    const char* caption;
    WPARAM answer;
};
const Box kUnexpectedBoxes[] = {
    {"ふぁいるおーぷんえらー", IDOK}, {"ふぁいるのえら～だよ。", IDNO},
    {"なまえのえら～だよ。", IDOK},   {"おとのえら～だよ。", IDOK},
    {"えらびすぎえらー", IDOK},       {"たいへんなえら～だよ。", IDOK},
};

struct Probe {
    DWORD processId = 0;
    HWND player = nullptr;
    int boxes = 0;
};

BOOL CALLBACK FindPlayer(HWND hwnd, LPARAM found) {
    RECT rect;
    if (::IsWindowVisible(hwnd) && ::GetWindowRect(hwnd, &rect) && rect.right - rect.left == 233 &&
        rect.bottom - rect.top == 206) {
        *reinterpret_cast<HWND*>(found) = hwnd;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK AnswerBox(HWND hwnd, LPARAM param) {
    auto* probe = reinterpret_cast<Probe*>(param);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(hwnd, &owner);
    char className[32] = {}, caption[128] = {};
    ::GetClassNameA(hwnd, className, sizeof className);
    if (owner != probe->processId || std::strcmp(className, "#32770") != 0 ||
        !::IsWindowVisible(hwnd))
        return TRUE;
    ::GetWindowTextA(hwnd, caption, sizeof caption);
    for (const Box& box : kUnexpectedBoxes) {
        if (std::strcmp(caption, box.caption) != 0) continue;
        ::PostMessageA(hwnd, WM_COMMAND, box.answer, 0);
        std::fprintf(stderr, "SoakProbe: answered the box \"%s\"\n", caption);
        ++probe->boxes;
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

bool Ping(HWND window, UINT timeoutMs) {
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &result) != 0;
}

bool Exists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

struct Pings {
    int count = 0, unanswered = 0;
    double longestMs = 0;
    void Add(const Pings& other) {
        count += other.count;
        unanswered += other.unanswered;
        longestMs = std::max(longestMs, other.longestMs);
    }
};

// Written beside and renamed, so that the reader never sees half of it.
void WriteCounts(const std::string& folder, HANDLE process, const Probe& probe,
                 const Pings& pings) {
    const std::string temp = folder + "\\counts.tmp";
    FILE* file = std::fopen(temp.c_str(), "w");
    if (!file) return;
    std::fprintf(file, "pid %lu\ngdi %d\nwindows %d\nhandles %d\n", probe.processId,
                 CountGdiObjects(process), CountProcessWindows(probe.processId),
                 CountKernelHandles(process));
    std::fprintf(file, "pings %d\nlongest_ms %.1f\nunanswered %d\nboxes %d\n", pings.count,
                 pings.longestMs, pings.unanswered, probe.boxes);
    std::fclose(file);
    ::MoveFileExA(temp.c_str(), (folder + "\\counts.txt").c_str(), MOVEFILE_REPLACE_EXISTING);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: SoakProbe <folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    Probe probe;
    for (int tries = 0; !probe.player && tries < 300; ++tries) {
        ::EnumWindows(&FindPlayer, reinterpret_cast<LPARAM>(&probe.player));
        if (!probe.player) ::Sleep(100);
    }
    if (!probe.player) {
        std::fprintf(stderr, "SoakProbe: no player window\n");
        return 1;
    }
    ::GetWindowThreadProcessId(probe.player, &probe.processId);
    HANDLE process = ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ |
                                       PROCESS_DUP_HANDLE | SYNCHRONIZE,
                                   FALSE, probe.processId);
    if (!process) {
        std::fprintf(stderr, "SoakProbe: cannot open the player's process\n");
        return 1;
    }

    Pings total, sinceCount;
    while (!Exists(folder + "\\stop")) {
        ::EnumWindows(&AnswerBox, reinterpret_cast<LPARAM>(&probe));
        if (::IsWindow(probe.player)) {
            SYSTEMTIME at;
            ::GetSystemTime(&at);
            const double start = Milliseconds();
            bool answered = Ping(probe.player, 1000);
            ++sinceCount.count;
            if (!answered) {
                // How long the stall lasts. A window that stops answering because its process
                // ends (the save at the exit, Wine tearing the process down) is not hung.
                answered = Ping(probe.player, 60000);
                if (::WaitForSingleObject(process, 2000) == WAIT_TIMEOUT) {
                    ++sinceCount.unanswered;
                    std::fprintf(
                        stderr, "SoakProbe: no answer for %.0f ms from %02d:%02d:%02d.%03d\n",
                        Milliseconds() - start, at.wHour, at.wMinute, at.wSecond, at.wMilliseconds);
                }
            }
            if (answered)
                sinceCount.longestMs = std::max(sinceCount.longestMs, Milliseconds() - start);
        }
        if (Exists(folder + "\\count")) {
            WriteCounts(folder, process, probe, sinceCount);
            ::DeleteFileA((folder + "\\count").c_str());
            total.Add(sinceCount);
            sinceCount = Pings();
        }
        ::Sleep(100);
    }
    total.Add(sinceCount);
    std::printf("pings %d\nlongest_ms %.1f\nunanswered %d\nboxes %d\n", total.count,
                total.longestMs, total.unanswered, probe.boxes);
    ::CloseHandle(process);
    return 0;
}
