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
//                        <folder>\counts.txt ("pid", "gdi", "windows", "handles",
//                        "dialog_keys", and "pings", "longest_ms", "unanswered" since the last
//                        count, "boxes") and deletes the request. At the end it prints the
//                        totals.
#include "tests/support/ResourceCounts.h"
#include "tools/watch/PlayerWatch.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

struct Probe {
    DWORD processId = 0;
    HWND player = nullptr;
    int boxes = 0;
};

// Answers any box of the player but the exit question (which the soak answers itself: a soak
// never brings up the others), so that one finding does not stop the run.
BOOL CALLBACK AnswerBox(HWND hwnd, LPARAM param) {
    auto* probe = reinterpret_cast<Probe*>(param);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(hwnd, &owner);
    const watch::PlayerBox* box = owner == probe->processId ? watch::BoxOf(hwnd) : nullptr;
    if (!box || box->answer == IDYES) return TRUE;
    ::PostMessageA(hwnd, WM_COMMAND, box->answer, 0);
    std::fprintf(stderr, "SoakProbe: answered the box \"%s\"\n", box->name);
    ++probe->boxes;
    return TRUE;
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
    // Wine's file dialog leaves a key open each time it remembers the folder of one chosen
    // file: counted apart, to tell it from the player's own handles.
    std::fprintf(file, "pid %lu\ngdi %d\nwindows %d\nhandles %d\ndialog_keys %d\n", probe.processId,
                 CountGdiObjects(process), CountProcessWindows(probe.processId),
                 CountKernelHandles(process),
                 CountKernelHandles(process, L"\\ComDlg32\\LastVisitedMRU"));
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
        probe.player = watch::FindPlayerWindow();
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
    while (!watch::FileExists(folder + "\\stop")) {
        ::EnumWindows(&AnswerBox, reinterpret_cast<LPARAM>(&probe));
        if (::IsWindow(probe.player)) {
            SYSTEMTIME at;
            ::GetSystemTime(&at);
            const double start = watch::Milliseconds();
            bool answered = watch::Ping(probe.player, 1000);
            ++sinceCount.count;
            if (!answered) {
                // How long the stall lasts. A window that stops answering because its process
                // ends (the save at the exit, Wine tearing the process down) is not hung.
                answered = watch::Ping(probe.player, 60000);
                const double stallMs = watch::Milliseconds() - start;
                if (::WaitForSingleObject(process, 2000) == WAIT_TIMEOUT) {
                    ++sinceCount.unanswered;
                    std::fprintf(stderr,
                                 "SoakProbe: no answer for %.0f ms from %02d:%02d:%02d.%03d\n",
                                 stallMs, at.wHour, at.wMinute, at.wSecond, at.wMilliseconds);
                    if (answered) sinceCount.longestMs = std::max(sinceCount.longestMs, stallMs);
                }
            } else {
                sinceCount.longestMs =
                    std::max(sinceCount.longestMs, watch::Milliseconds() - start);
            }
        }
        if (watch::FileExists(folder + "\\count")) {
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
