// No C++ exception leaves the library: memory that runs out inside an export, and a notification
// function that throws. The exports are linked into this program (not through the DLL), so that
// its allocator can fail on demand and a throwing notification function shares its runtime.
#define VBMP3_BUILDING_DLL // the exports are defined in this program
#include "vbmp3/vbmp3.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <new>
#include <stdexcept>

#include "tests/vbmp3/playback/support/NotificationLog.h"
#include "tests/vbmp3/playback/support/PlaybackSamples.h"

namespace {

// Allocations of this thread fail while a MemoryRunsOut lives; other threads are untouched.
std::atomic<DWORD> g_failingThread{0};

struct MemoryRunsOut {
    MemoryRunsOut() { g_failingThread = ::GetCurrentThreadId(); }
    ~MemoryRunsOut() { g_failingThread = 0; }
};

} // namespace

// The runtime's own operator delete frees with std::free, which matches.
void* operator new(std::size_t size) {
    if (g_failingThread != 0 && g_failingThread == ::GetCurrentThreadId()) throw std::bad_alloc();
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}

namespace {

using vbmp3test::NotificationLog;
using vbmp3test::PlaybackSample;

INT32 State() {
    return vbmp3_getState(nullptr);
}

TEST(ExportBoundary, WhenMemoryRunsOutEachExportFailsAndTheLibraryGoesOnAsBefore) {
    {
        MemoryRunsOut out;
        EXPECT_FALSE(vbmp3_init());
    }
    ASSERT_TRUE(vbmp3_init());

    const std::string playing = PlaybackSample("cbr44.mp3");
    const std::string other = PlaybackSample("mono22.mp3");
    VBMP3_TAG_INFO tag;
    VBMP3_STREAM_INFO stream;
    VBMP3_OPEN_INFO info;
    std::memset(&tag, 0xAB, sizeof tag);
    std::memset(&stream, 0xAB, sizeof stream);
    std::memset(&info, 0xAB, sizeof info);
    const VBMP3_TAG_INFO tagBefore = tag;
    const VBMP3_OPEN_INFO infoBefore = info;

    ASSERT_TRUE(vbmp3_open(playing.c_str(), nullptr));
    ASSERT_TRUE(vbmp3_play());
    {
        MemoryRunsOut out;
        EXPECT_FALSE(vbmp3_getFileInfo(other.c_str(), &tag, &stream));
        EXPECT_FALSE(vbmp3_open(other.c_str(), &info));
    }
    // Nothing was written, and the file that played plays on.
    EXPECT_EQ(0, std::memcmp(&tag, &tagBefore, sizeof tag));
    EXPECT_EQ(0, std::memcmp(&info, &infoBefore, sizeof info));
    EXPECT_EQ(VBMP3_STATE_PLAYING, State());

    {
        MemoryRunsOut out;
        EXPECT_FALSE(vbmp3_play()); // a play afresh that cannot start: stopped
    }
    EXPECT_EQ(VBMP3_STATE_STOPPED, State());
    EXPECT_TRUE(vbmp3_getFileInfo(other.c_str(), &tag, &stream));
    EXPECT_TRUE(vbmp3_open(other.c_str(), &info));
    EXPECT_TRUE(vbmp3_play());
    EXPECT_EQ(VBMP3_STATE_PLAYING, State());
    EXPECT_TRUE(vbmp3_free());
}

void WINAPI ThrowingNotification(INT32 code, INT32 value) {
    NotificationLog::Record(code, value);
    throw std::runtime_error("the caller's notification failed");
}

TEST(ExportBoundary, ANotificationThatThrowsEndsThePlayWithoutAnEndAndLaterOnesStillCome) {
    ASSERT_TRUE(vbmp3_init());
    NotificationLog::Clear();
    ASSERT_TRUE(vbmp3_callback(&ThrowingNotification));
    ASSERT_TRUE(vbmp3_open(PlaybackSample("cbr44.mp3").c_str(), nullptr)); // 3.3 s
    ASSERT_TRUE(vbmp3_play());
    ASSERT_TRUE(NotificationLog::WaitFor(VBMP3_NOTIFY_ELAPSED, 1, 10000));
    // Longer than the rest of the file takes on Wine's null device.
    EXPECT_FALSE(NotificationLog::WaitFor(VBMP3_NOTIFY_END, 1, 4000));
    EXPECT_EQ(VBMP3_STATE_STOPPED, State());
    EXPECT_EQ(1u, NotificationLog::All().size());

    // The notification thread survived: a well-behaved function hears the next play to its end.
    ASSERT_TRUE(vbmp3_callback(&NotificationLog::Record));
    ASSERT_TRUE(vbmp3_play());
    EXPECT_TRUE(NotificationLog::WaitFor(VBMP3_NOTIFY_END, 1, 20000));
    EXPECT_TRUE(vbmp3_free());
}

} // namespace
