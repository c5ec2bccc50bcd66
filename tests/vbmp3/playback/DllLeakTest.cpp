// A thousand open/play/stop cycles through VBMP3.DLL leave no kernel handle, thread or memory
// behind. The files alternate between two formats, so that the output device and the codec are
// closed and opened again in every cycle as well.
#include <gtest/gtest.h>

#include <windows.h>
#include <psapi.h>
#include <tlhelp32.h>

#include "tests/support/ResourceCounts.h"
#include "tests/vbmp3/playback/support/PlaybackSamples.h"
#include "vbmp3/vbmp3.h"

namespace {

int CountThreadsOfThisProcess() {
    const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    int count = 0;
    for (BOOL more = ::Thread32First(snapshot, &entry); more;
         more = ::Thread32Next(snapshot, &entry))
        count += entry.th32OwnerProcessID == ::GetCurrentProcessId() ? 1 : 0;
    ::CloseHandle(snapshot);
    return count;
}

// Committed private memory: Wine reports it as the page file usage (and PrivateUsage as 0), as
// Windows reports its commit charge in both.
SIZE_T CommittedBytes() {
    PROCESS_MEMORY_COUNTERS counters = {};
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters);
    return counters.PagefileUsage;
}

void Cycles(int count) {
    const std::string files[2] = {vbmp3test::PlaybackSample("cbr44.mp3"),
                                  vbmp3test::PlaybackSample("mono22.mp3")};
    for (int i = 0; i < count; ++i) {
        VBMP3_OPEN_INFO info;
        ASSERT_TRUE(vbmp3_open(files[i % 2].c_str(), &info));
        ASSERT_TRUE(vbmp3_play());
        ASSERT_TRUE(vbmp3_stop());
        ASSERT_TRUE(vbmp3_close());
    }
}

TEST(DllLeaks, AThousandOpenPlayStopCyclesLeaveNothingBehind) {
    ASSERT_TRUE(vbmp3_init());
    Cycles(50); // Wine's audio and codec machinery sets itself up on first use
    const int handles = CountKernelHandles();
    const int threads = CountThreadsOfThisProcess();
    const SIZE_T memory = CommittedBytes();
    Cycles(1000);
    // A little slack for what Wine opens lazily; a leak in the cycle would show a thousandfold.
    EXPECT_LT(CountKernelHandles(), handles + 10) << "from " << handles;
    EXPECT_EQ(CountThreadsOfThisProcess(), threads);
    EXPECT_LT(CommittedBytes(), memory + 1024 * 1024) << "from " << memory;
    EXPECT_TRUE(vbmp3_free());
}

} // namespace
