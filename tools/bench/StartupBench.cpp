// Start-up benchmark, run under Wine beside a bare Win32 window.
//
//   StartupBench launch <exe> <runs>   start the program <runs> times; for each, the time from
//                                      CreateProcess to its first window of 233 x 206 pixels
//                                      being visible with the program idle; then the memory of
//                                      the idle program after 3 s
//   StartupBench times <runs> <exe>... the same first-frame time for several programs, started
//                                      in turn (one of each per round), so that a machine
//                                      that slows down meanwhile slows all of them alike;
//                                      median, min and max per program
//   StartupBench ticker <runs>         in this process, beside a hidden main window template:
//                                      the milliseconds that creating the title ticker takes
//                                      (an entry current, as at a start with a playlist),
//                                      the first time and the median of the runs after it
//   StartupBench count player|bare     in this process: GDI objects, windows and kernel
//                                      handles that the player's main window (real decoder
//                                      library, INI file in a temporary folder) or a bare
//                                      window adds
// Results are printed as "key value" lines for tools/bench/run-startup-bench.sh.
#include "app/PlayerDlg.h"
#include "companions/TickerDlg.h"
#include "framework/IniFile.h"
#include "playlist/Playlist.h"
#include "res/resource.h"
#include "tests/support/ResourceCounts.h"

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <memory>
#include <vector>

namespace {

double Seconds() {
    LARGE_INTEGER now, frequency;
    ::QueryPerformanceCounter(&now);
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct FindWindowOf {
    DWORD pid;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM param) {
    auto* find = reinterpret_cast<FindWindowOf*>(param);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    RECT rect;
    if (pid == find->pid && ::IsWindowVisible(hwnd) && ::GetWindowRect(hwnd, &rect) &&
        rect.right - rect.left == 233 && rect.bottom - rect.top == 206) {
        find->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

// Starts `exe` and waits for its first shown frame; the seconds it took, or a negative number
// when it could not be started. The process is left running in `process`.
double StartToFirstFrame(const std::string& exe, PROCESS_INFORMATION* process) {
    std::string command = "\"" + exe + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    const double start = Seconds();
    if (!::CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, process))
        return -1;
    FindWindowOf find{process->dwProcessId, nullptr};
    while (!find.found && Seconds() - start < 30) {
        ::EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&find));
        if (!find.found) ::Sleep(1);
    }
    // Shown; the first frame is painted once the program waits for input again.
    ::WaitForInputIdle(process->hProcess, 5000);
    return Seconds() - start;
}

void End(const PROCESS_INFORMATION& process) {
    ::TerminateProcess(process.hProcess, 0);
    ::WaitForSingleObject(process.hProcess, INFINITE);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
}

void PrintTimes(const char* prefix, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    std::printf("%sfirst_frame_median_ms %.1f\n", prefix, 1000 * times[times.size() / 2]);
    std::printf("%sfirst_frame_min_ms %.1f\n", prefix, 1000 * times.front());
    std::printf("%sfirst_frame_max_ms %.1f\n", prefix, 1000 * times.back());
}

int Launch(const std::string& exe, int runs) {
    std::vector<double> times;
    PROCESS_MEMORY_COUNTERS_EX memory{};
    for (int run = 0; run < runs; ++run) {
        PROCESS_INFORMATION process{};
        const double time = StartToFirstFrame(exe, &process);
        if (time < 0) {
            std::printf("error cannot-start\n");
            return 1;
        }
        times.push_back(time);
        if (run == runs - 1) {
            ::Sleep(3000); // idle
            memory.cb = sizeof memory;
            ::GetProcessMemoryInfo(process.hProcess,
                                   reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                                   sizeof memory);
            // The caller may now read the idle process's figures from outside.
            std::printf("idle\n");
            std::fflush(stdout);
            ::Sleep(3000);
        }
        End(process);
    }
    PrintTimes("", times);
    std::printf("working_set_kb %zu\n", static_cast<size_t>(memory.WorkingSetSize / 1024));
    return 0;
}

// Programs started in turn, `runs` rounds; the times of program i are printed with "i_" before
// their keys.
int Times(int runs, const std::vector<std::string>& exes) {
    std::vector<std::vector<double>> times(exes.size());
    for (int run = 0; run < runs; ++run) {
        for (size_t i = 0; i < exes.size(); ++i) {
            PROCESS_INFORMATION process{};
            const double time = StartToFirstFrame(exes[i], &process);
            if (time < 0) {
                std::printf("error cannot-start %s\n", exes[i].c_str());
                return 1;
            }
            times[i].push_back(time);
            End(process);
        }
    }
    for (size_t i = 0; i < exes.size(); ++i)
        PrintTimes((std::to_string(i) + "_").c_str(), times[i]);
    return 0;
}

// An INI file with nothing in it.
class CEmptyIni final : public fw::IIniFile {
public:
    int GetInt(const char*, const char*) override { return 0; }
    std::string GetString(const char*, const char*, size_t) override { return ""; }
    bool Rewrite(const Edit&) override { return false; }
};

INT_PTR CALLBACK NullDialogProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

int TimeTicker(int runs) {
    // The main window's template first: its font is loaded before the ticker at a real start.
    HWND main = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_PLAYER),
                                     nullptr, &NullDialogProc, 0);
    CEmptyIni ini;
    CPlaylist playlist(ini);
    CTrackEntry entry;
    entry.m_strArtist = "ぴこもち合唱団";
    entry.m_strTitle = "おもちがふくらむ夜のうた";
    int index = 0;
    playlist.Add(&index, entry);
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const double start = Seconds();
        auto ticker = std::make_unique<CTickerDlg>();
        if (!ticker->Create(IDD_TICKER, nullptr)) return 1;
        ticker->ShowCurrent(playlist.Current(), 0, true);
        times.push_back(1000 * (Seconds() - start));
        ticker->DestroyWindow();
    }
    ::DestroyWindow(main);
    std::printf("ticker_first_ms %.2f\n", times.front());
    std::vector<double> warm(times.begin() + 1, times.end());
    std::sort(warm.begin(), warm.end());
    std::printf("ticker_median_ms %.2f\n", warm.empty() ? 0.0 : warm[warm.size() / 2]);
    return 0;
}

LRESULT CALLBACK BareProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

int Count(const std::string& what) {
    const int gdi = CountGdiObjects();
    const int windows = CountThreadWindows();
    const int handles = CountKernelHandles();
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    const std::string ini = std::string(temp) + "StartupBench.INI";
    ::DeleteFileA(ini.c_str());
    std::unique_ptr<CPlayerDlg> dlg;
    HWND bare = nullptr;
    if (what == "player") {
        dlg = std::make_unique<CPlayerDlg>(nullptr);
        dlg->SetIniPath(ini);
        dlg->Create(IDD_PLAYER, nullptr);
    } else {
        WNDCLASSA wc{};
        wc.lpfnWndProc = &BareProc;
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = "BareWindow";
        ::RegisterClassA(&wc);
        bare = ::CreateWindowExA(WS_EX_TOOLWINDOW, "BareWindow", "", WS_POPUP | WS_VISIBLE, 0, 0,
                                 233, 206, nullptr, nullptr, nullptr, nullptr);
        ::UpdateWindow(bare);
    }
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);
    std::printf("gdi_objects %d\n", CountGdiObjects() - gdi);
    std::printf("windows %d\n", CountThreadWindows() - windows);
    std::printf("kernel_handles %d\n", CountKernelHandles() - handles);
    if (dlg) dlg->DestroyWindow();
    if (bare) ::DestroyWindow(bare);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 4 && std::string(argv[1]) == "launch") return Launch(argv[2], std::atoi(argv[3]));
    if (argc >= 4 && std::string(argv[1]) == "times")
        return Times(std::atoi(argv[2]), std::vector<std::string>(argv + 3, argv + argc));
    if (argc >= 3 && std::string(argv[1]) == "ticker") return TimeTicker(std::atoi(argv[2]));
    if (argc >= 3 && std::string(argv[1]) == "count") return Count(argv[2]);
    std::fprintf(stderr, "usage: StartupBench launch <exe> <runs> | times <runs> <exe>... | "
                         "ticker <runs> | count player|bare\n");
    return 2;
}
