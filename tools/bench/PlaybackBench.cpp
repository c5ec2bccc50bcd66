// Benchmarks of the decoder library's playing side, run under Wine by run-playing-bench.sh.
//
//   PlaybackBench decode <mp3>       decode through the library's playing path (frame walk, ACM
//                                    codec, trim) as fast as it goes, nothing played
//   PlaybackBench acm <mp3>          the same audio bytes through a bare ACM loop: one stream,
//                                    64 KB in per conversion, no frame walk, no trim
//   PlaybackBench play <mp3> [threads]
//                                    play through VBMP3.DLL until its end notification; with
//                                    "threads", also the CPU seconds of the library's threads
//                                    (by their names) and of the process's other threads (Wine's
//                                    audio stack), sampled once a second (the sampling costs
//                                    CPU of its own, so the process is measured without it)
//   PlaybackBench idle <seconds>     nothing, for as long: the Wine process's own cost
//   PlaybackBench gap <a> <b> <n>    play a, then n times the other file, each started from the
//                                    end notification the way the player does it: the
//                                    notification posts to a window, whose thread switches
//                                    notifications off, stops, closes, opens, plays, and
//                                    switches them on again
// Results are "key value" lines: the audio's seconds, this thread's CPU seconds and the wall
// seconds of the work; for gap, per change of track the milliseconds from the end notification
// to vbmp3_play's return.
#include <windows.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "vbmp3/playback/AcmMp3Decoder.h"
#include "vbmp3/playback/AudioOutput.h"
#include "vbmp3/playback/DecodedStream.h"
#include "vbmp3/playback/MpegFrameWalker.h"
#include "vbmp3/playback/PlayableFile.h"
#include "vbmp3/vbmp3.h"

namespace {

double WallSeconds() {
    LARGE_INTEGER now, frequency;
    ::QueryPerformanceCounter(&now);
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double FileTimeSeconds(const FILETIME& t) {
    return (static_cast<double>(t.dwHighDateTime) * 4294967296.0 + t.dwLowDateTime) / 1e7;
}

double ThreadCpuSeconds() {
    FILETIME created, exited, kernel, user;
    ::GetThreadTimes(::GetCurrentThread(), &created, &exited, &kernel, &user);
    return FileTimeSeconds(kernel) + FileTimeSeconds(user);
}

void Report(double audioSeconds, double cpuStart, double wallStart) {
    std::printf("audio_seconds %.3f\ncpu_seconds %.3f\nwall_seconds %.3f\n", audioSeconds,
                ThreadCpuSeconds() - cpuStart, WallSeconds() - wallStart);
}

int Decode(const char* path) {
    auto file = vbmp3::PlayableFile::Open(path);
    if (!file) return 1;
    const double cpu = ThreadCpuSeconds(), wall = WallSeconds();
    vbmp3::DecodedStream stream(file->Source(), file->Facts());
    std::vector<std::int16_t> pcm(vbmp3::kBufferFrames * 2);
    vbmp3::PcmFormat format;
    double audioSeconds = 0;
    while (const std::size_t frames = stream.Read(pcm.data(), vbmp3::kBufferFrames, format))
        audioSeconds += static_cast<double>(frames) / format.sampleRate;
    Report(audioSeconds, cpu, wall);
    return 0;
}

int BareAcm(const char* path) {
    auto file = vbmp3::PlayableFile::Open(path);
    if (!file) return 1;
    const vbmp3::StreamFacts& facts = file->Facts();
    std::vector<std::uint8_t> audio(static_cast<std::size_t>(facts.audioBytes));
    audio.resize(file->Source().ReadAt(vbmp3::AudioBegin(facts), audio.data(), audio.size()));

    const double cpu = ThreadCpuSeconds(), wall = WallSeconds();
    vbmp3::AcmFormats formats = vbmp3::AcmFormatsFor(facts.first);
    HACMSTREAM stream = nullptr;
    if (acmStreamOpen(&stream, nullptr, &formats.mp3.wfx, &formats.pcm, nullptr, 0, 0, 0) != 0)
        return 1;
    constexpr DWORD kBlock = 64 * 1024;
    std::vector<std::uint8_t> in(kBlock), out(64 * kBlock);
    ACMSTREAMHEADER header = {};
    header.cbStruct = sizeof header;
    header.pbSrc = in.data();
    header.cbSrcLength = kBlock;
    header.pbDst = out.data();
    header.cbDstLength = static_cast<DWORD>(out.size());
    acmStreamPrepareHeader(stream, &header, 0);
    double pcmBytes = 0;
    std::size_t at = 0;
    DWORD held = 0;
    for (DWORD flags = ACM_STREAMCONVERTF_START;; flags = 0) {
        const DWORD fresh =
            static_cast<DWORD>(std::min<std::size_t>(kBlock - held, audio.size() - at));
        std::memcpy(in.data() + held, audio.data() + at, fresh);
        at += fresh;
        header.cbSrcLength = held + fresh;
        if (acmStreamConvert(stream, &header, flags) != 0) break;
        pcmBytes += header.cbDstLengthUsed;
        held = header.cbSrcLength - header.cbSrcLengthUsed;
        std::memmove(in.data(), in.data() + header.cbSrcLengthUsed, held);
        if (at == audio.size() && header.cbDstLengthUsed == 0) break;
    }
    header.cbSrcLength = kBlock;
    acmStreamUnprepareHeader(stream, &header, 0);
    acmStreamClose(stream, 0);
    Report(pcmBytes / formats.pcm.nAvgBytesPerSec, cpu, wall);
    return 0;
}

HANDLE g_ended = nullptr;

void WINAPI SignalEnd(INT32 code, INT32) {
    if (code == VBMP3_NOTIFY_END) ::SetEvent(g_ended);
}

// CPU seconds of every thread of this process by its name, as last seen: the library names its
// threads, the rest belong to the program and to Wine.
struct ThreadCpu {
    std::wstring name;
    double seconds = 0;
};
std::map<DWORD, ThreadCpu> g_threads;

void SampleThreads(DWORD sampler) {
    using GetThreadDescriptionFunc = HRESULT(WINAPI*)(HANDLE, PWSTR*);
    static const auto describe = reinterpret_cast<GetThreadDescriptionFunc>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "GetThreadDescription")));
    const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Thread32First(snapshot, &entry); more;
         more = ::Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID != ::GetCurrentProcessId() || entry.th32ThreadID == sampler)
            continue;
        const HANDLE thread =
            ::OpenThread(THREAD_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ThreadID);
        if (!thread) continue;
        FILETIME created, exited, kernel, user;
        ThreadCpu& seen = g_threads[entry.th32ThreadID];
        if (::GetThreadTimes(thread, &created, &exited, &kernel, &user))
            seen.seconds = FileTimeSeconds(kernel) + FileTimeSeconds(user);
        PWSTR name = nullptr;
        if (describe && SUCCEEDED(describe(thread, &name)) && name) {
            seen.name = name;
            ::LocalFree(name);
        }
        ::CloseHandle(thread);
    }
    ::CloseHandle(snapshot);
}

HANDLE g_stopSampling = nullptr;

DWORD WINAPI SampleUntilStopped(void*) {
    do
        SampleThreads(::GetCurrentThreadId());
    while (::WaitForSingleObject(g_stopSampling, 1000) == WAIT_TIMEOUT);
    return 0;
}

int Play(const char* path, bool sampleThreads) {
    g_ended = ::CreateEventA(nullptr, FALSE, FALSE, nullptr);
    g_stopSampling = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    vbmp3_init();
    vbmp3_callback(&SignalEnd);
    VBMP3_OPEN_INFO info;
    if (!vbmp3_open(path, &info)) return 1;
    const HANDLE sampler =
        sampleThreads ? ::CreateThread(nullptr, 0, &SampleUntilStopped, nullptr, 0, nullptr)
                      : nullptr;
    const double wall = WallSeconds();
    if (!vbmp3_play()) return 1;
    ::WaitForSingleObject(g_ended, INFINITE);
    std::printf("wall_seconds %.3f\n", WallSeconds() - wall);
    if (sampler) {
        ::SetEvent(g_stopSampling);
        ::WaitForSingleObject(sampler, INFINITE);
        double library = 0, others = 0;
        for (const auto& [id, thread] : g_threads)
            (thread.name.rfind(L"VBMP3", 0) == 0 ? library : others) += thread.seconds;
        std::printf("library_cpu_seconds %.3f\nother_threads_cpu_seconds %.3f\n", library, others);
    }
    vbmp3_stop();
    vbmp3_close();
    vbmp3_free();
    return 0;
}

// The gap benchmark's window: the end notification arrives here as the player's does.
constexpr UINT WM_TRACK_ENDED = WM_APP + 1;
HWND g_window = nullptr;
double g_notifiedAt = 0;

void WINAPI PostEnd(INT32 code, INT32) {
    if (code != VBMP3_NOTIFY_END) return;
    g_notifiedAt = WallSeconds();
    ::PostMessageA(g_window, WM_TRACK_ENDED, 0, 0);
}

int Gap(const char* first, const char* second, int changes) {
    g_window =
        ::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    vbmp3_init();
    vbmp3_callback(&PostEnd);
    VBMP3_OPEN_INFO info;
    if (!vbmp3_open(first, &info) || !vbmp3_play()) return 1;
    const char* files[2] = {first, second};
    for (int change = 1; change <= changes;) {
        MSG msg;
        if (::GetMessageA(&msg, nullptr, 0, 0) <= 0) break;
        if (msg.message != WM_TRACK_ENDED) {
            ::DispatchMessageA(&msg);
            continue;
        }
        vbmp3_stopCallback();
        vbmp3_stop();
        vbmp3_close();
        const bool started = vbmp3_open(files[change % 2], &info) && vbmp3_play();
        vbmp3_startCallback();
        if (!started) return 1;
        std::printf("restart_ms %.2f\n", (WallSeconds() - g_notifiedAt) * 1000);
        ++change;
    }
    // The last file plays to its end, so the sink hears every change.
    for (MSG msg; ::GetMessageA(&msg, nullptr, 0, 0) > 0 && msg.message != WM_TRACK_ENDED;)
        ::DispatchMessageA(&msg);
    vbmp3_stop();
    vbmp3_close();
    vbmp3_free();
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "decode" && argc == 3) return Decode(argv[2]);
    if (mode == "acm" && argc == 3) return BareAcm(argv[2]);
    if (mode == "play" && (argc == 3 || (argc == 4 && std::string(argv[3]) == "threads")))
        return Play(argv[2], argc == 4);
    if (mode == "idle" && argc == 3) {
        ::Sleep(static_cast<DWORD>(std::atof(argv[2]) * 1000));
        return 0;
    }
    if (mode == "gap" && argc == 5) return Gap(argv[2], argv[3], std::atoi(argv[4]));
    std::fprintf(stderr, "usage: PlaybackBench decode|acm <mp3> | play <mp3> [threads] | "
                         "idle <seconds> | gap <a.mp3> <b.mp3> <changes>\n");
    return 2;
}
