// Playlist editor benchmark, run under Wine: how long the playlist key takes to show the
// editor, beside how long the main window takes to come up, in one process and one run.
//
//   EditorBench <runs> <entries>...   for each entry count: an INI file with that many entries
//                                     (Japanese titles and artists); the main window created
//                                     and destroyed <runs> times, then the editor opened and
//                                     closed <runs> times in one main window
// Each time runs from the first message (the window's creation, the click on the playlist key)
// until the thread is idle again with nothing left to paint. The first run of each series is
// reported on its own (cold); median, minimum and maximum of the others. Results are printed as
// "key value" lines for tools/bench/run-editor-bench.sh.
#include "app/PlayerDlg.h"
#include "res/resource.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

double Milliseconds() {
    LARGE_INTEGER now, frequency;
    ::QueryPerformanceCounter(&now);
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Dispatches until nothing is waiting, painting included.
void RunUntilIdle() {
    MSG msg;
    for (;;) {
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (fw::CDialog::RouteDialogMessage(&msg)) continue;
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        if (::GetQueueStatus(QS_ALLINPUT) == 0) return;
    }
}

std::string WriteIni(const std::string& folder, int entries) {
    const std::string path = folder + "EditorBench.INI";
    std::string text = "[VIZURE3]\r\nREGNUM=" + std::to_string(entries) + "\r\n";
    for (int i = 0; i < entries; ++i) {
        char lines[512];
        std::snprintf(lines, sizeof lines,
                      "FILENAME%04d=C:\\音楽\\アルバム %d\\%03d 春の歌.mp3\r\n"
                      "TRACKNAME%04d=春の歌 その%d\r\nARTISTNAME%04d=ぴこもち合唱団\r\n"
                      "TOTALSEC%04d=%d\r\nREADDATA%04d=1\r\n",
                      i, i / 12, i, i, i, i, i, 200 + i, i);
        text += lines;
    }
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    ::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    ::CloseHandle(file);
    return path;
}

BOOL CALLBACK MatchEditor(HWND hwnd, LPARAM found) {
    char title[32] = {};
    ::GetWindowTextA(hwnd, title, sizeof title);
    if (std::string(title) != "聴きたい曲") return TRUE;
    *reinterpret_cast<HWND*>(found) = hwnd;
    return FALSE;
}

HWND FindEditor() {
    HWND found = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), MatchEditor, reinterpret_cast<LPARAM>(&found));
    return found;
}

void Report(const char* what, int entries, std::vector<double> times) {
    std::printf("%s_%d_cold_ms %.1f\n", what, entries, times.front());
    times.erase(times.begin());
    std::sort(times.begin(), times.end());
    std::printf("%s_%d_median_ms %.1f\n", what, entries, times[times.size() / 2]);
    std::printf("%s_%d_min_ms %.1f\n", what, entries, times.front());
    std::printf("%s_%d_max_ms %.1f\n", what, entries, times.back());
}

std::unique_ptr<CPlayerDlg> OpenPlayer(const std::string& ini) {
    auto player = std::make_unique<CPlayerDlg>(nullptr);
    player->SetIniPath(ini);
    player->Create(IDD_PLAYER, nullptr);
    return player;
}

int Measure(int runs, int entries, const std::string& folder) {
    const std::string ini = WriteIni(folder, entries);
    std::vector<double> startups;
    for (int run = 0; run < runs; ++run) {
        const double start = Milliseconds();
        std::unique_ptr<CPlayerDlg> player = OpenPlayer(ini);
        RunUntilIdle();
        startups.push_back(Milliseconds() - start);
        player->DestroyWindow();
        RunUntilIdle();
    }
    Report("main_window", entries, startups);

    std::unique_ptr<CPlayerDlg> player = OpenPlayer(ini);
    RunUntilIdle();
    const LPARAM onPlaylistKey = MAKELPARAM(51, 149);
    std::vector<double> opens;
    for (int run = 0; run < runs; ++run) {
        const double start = Milliseconds();
        ::PostMessageA(player->Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, onPlaylistKey);
        ::PostMessageA(player->Hwnd(), WM_LBUTTONUP, 0, onPlaylistKey);
        RunUntilIdle();
        opens.push_back(Milliseconds() - start);
        HWND editor = FindEditor();
        if (!editor) {
            std::printf("error no-editor\n");
            return 1;
        }
        ::SendMessageA(::GetDlgItem(editor, IDCLOSE), BM_CLICK, 0, 0);
        RunUntilIdle();
    }
    Report("editor", entries, opens);
    player->DestroyWindow();
    ::DeleteFileA(ini.c_str());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: EditorBench <runs> <entries>...\n");
        return 2;
    }
    const int runs = std::max(2, std::atoi(argv[1]));
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    for (int i = 2; i < argc; ++i)
        if (Measure(runs, std::atoi(argv[i]), temp) != 0) return 1;
    return 0;
}
