// VBMP3.DLL's playing functions under Wine, as the player calls them, on the null sound card
// (which plays about four times faster than real time): the functions' contracts, the
// notifications, and the PCM that reaches the device.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <cstring>
#include <string>

#include "tests/support/TempFolder.h"
#include "tests/vbmp3/playback/support/NotificationLog.h"
#include "tests/vbmp3/playback/support/PlaybackSamples.h"
#include "vbmp3/vbmp3.h"

namespace {

using vbmp3test::NotificationLog;
using vbmp3test::PlaybackSample;

constexpr DWORD kTrackTimeoutMs = 10000;

BOOL Open(const std::string& name) {
    VBMP3_OPEN_INFO info;
    return vbmp3_open(PlaybackSample(name).c_str(), &info);
}

INT32 State(INT32* elapsed = nullptr) {
    INT32 ignored = 0;
    return vbmp3_getState(elapsed ? elapsed : &ignored);
}

void ExpectNothingPlays() {
    EXPECT_FALSE(vbmp3_play());
    EXPECT_FALSE(vbmp3_pause());
    EXPECT_FALSE(vbmp3_restart());
    EXPECT_TRUE(vbmp3_stop());
    EXPECT_TRUE(vbmp3_close());
    INT32 elapsed = -1;
    EXPECT_EQ(vbmp3_getState(&elapsed), 0);
    EXPECT_EQ(elapsed, 0);
    EXPECT_EQ(vbmp3_getState(nullptr), 0);
    EXPECT_TRUE(vbmp3_stopCallback());
    EXPECT_TRUE(vbmp3_startCallback());
    EXPECT_FALSE(vbmp3_seek(0));
    EXPECT_FALSE(vbmp3_getPosition(&elapsed));
    EXPECT_EQ(elapsed, 0); // not written
    EXPECT_TRUE(vbmp3_setVolume(50));
}

TEST(DllPlaybackUnprepared, EveryFunctionIsHarmlessBeforeInitAfterFreeAndWithNothingOpen) {
    EXPECT_FALSE(Open("cbr44.mp3"));
    ExpectNothingPlays();
    EXPECT_TRUE(vbmp3_init());
    EXPECT_TRUE(vbmp3_init()); // a second init changes nothing
    ExpectNothingPlays();
    EXPECT_TRUE(vbmp3_free());
    EXPECT_TRUE(vbmp3_free());
    EXPECT_FALSE(Open("cbr44.mp3"));
    ExpectNothingPlays();
}

class DllPlayback : public ::testing::Test {
protected:
    void SetUp() override {
        NotificationLog::Clear();
        ASSERT_TRUE(vbmp3_init());
        vbmp3_callback(&NotificationLog::Record);
    }
    void TearDown() override {
        vbmp3_stop();
        vbmp3_close();
        EXPECT_TRUE(vbmp3_free());
        NotificationLog::SetAction(nullptr);
    }
};

TEST_F(DllPlayback, OpenFailsCleanlyOnWhatCannotBePlayed) {
    ASSERT_TRUE(Open("cbr44.mp3"));
    ASSERT_TRUE(vbmp3_play());
    for (const char* name : {"missing.mp3", "text.mp3", "empty.mp3", "layer2.mp3"}) {
        VBMP3_OPEN_INFO info;
        std::memset(&info, 0xCD, sizeof info);
        EXPECT_FALSE(vbmp3_open(PlaybackSample(name).c_str(), &info)) << name;
        EXPECT_EQ(info.reserved[0], 0xCD) << name;
        EXPECT_EQ(State(), 1) << name; // the open file plays on
    }
    EXPECT_FALSE(vbmp3_open(nullptr, nullptr));
    // A file that another program holds without sharing opens for nobody: to the player, that
    // is a missing file. So is one deleted since it joined the list.
    const std::string locked = PlaybackSample("locked.mp3");
    ASSERT_TRUE(::CopyFileA(PlaybackSample("mono22.mp3").c_str(), locked.c_str(), FALSE));
    HANDLE holder =
        ::CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, holder);
    EXPECT_FALSE(vbmp3_open(locked.c_str(), nullptr));
    ::CloseHandle(holder);
    EXPECT_TRUE(vbmp3_open(locked.c_str(), nullptr));
    vbmp3_close();
    ASSERT_TRUE(::DeleteFileA(locked.c_str()));
    EXPECT_FALSE(vbmp3_open(locked.c_str(), nullptr));
    VBMP3_OPEN_INFO info;
    std::memset(&info, 0xCD, sizeof info);
    EXPECT_TRUE(vbmp3_open(PlaybackSample("mono22.mp3").c_str(), &info));
    EXPECT_EQ(info.reserved[271], 0);
    EXPECT_EQ(State(), 0); // the new file is open, stopped
}

TEST_F(DllPlayback, PauseKeepsThePositionAndStopStartsAgainFromZero) {
    ASSERT_TRUE(Open("timing4.mp3"));
    ASSERT_TRUE(vbmp3_play());
    EXPECT_EQ(State(), 1);
    ASSERT_TRUE(NotificationLog::WaitFor(VBMP3_NOTIFY_ELAPSED, 1, kTrackTimeoutMs));
    ASSERT_TRUE(vbmp3_pause());
    INT32 paused = -1, later = -1;
    EXPECT_EQ(State(&paused), 2);
    ::Sleep(500); // two seconds of sound on this sound card
    EXPECT_EQ(State(&later), 2);
    EXPECT_EQ(later, paused);
    EXPECT_FALSE(vbmp3_pause());
    ASSERT_TRUE(vbmp3_restart());
    EXPECT_FALSE(vbmp3_restart());
    EXPECT_EQ(State(), 1);
    ASSERT_TRUE(NotificationLog::WaitFor(VBMP3_NOTIFY_END, 1, kTrackTimeoutMs));
    EXPECT_EQ(State(&later), 0);
    EXPECT_EQ(later, 4); // played to its end: the whole 4 s were heard

    ASSERT_TRUE(vbmp3_play());
    EXPECT_EQ(State(&later), 1);
    EXPECT_LE(later, 1); // from the start again
    ASSERT_TRUE(vbmp3_stop());
    EXPECT_EQ(State(&later), 0);
    EXPECT_EQ(later, 0);
}

TEST_F(DllPlayback, TheDeviceGetsExactlyTheReferenceDecoding) {
    CTempFolder folder;
    const std::string capture = folder / "capture.wav";
    ASSERT_TRUE(::SetEnvironmentVariableA("VBMP3_CAPTURE_WAV", capture.c_str()));
    // Each file opens the device for its own format, which starts the capture afresh.
    int ends = 0;
    for (const std::string name : {"cbr44", "mono22"}) {
        ASSERT_TRUE(Open(name + ".mp3"));
        ASSERT_TRUE(vbmp3_play());
        ASSERT_TRUE(NotificationLog::WaitFor(VBMP3_NOTIFY_END, ++ends, kTrackTimeoutMs)) << name;
        EXPECT_TRUE(vbmp3test::PcmWithin(vbmp3test::ReadWavFile(capture),
                                         vbmp3test::ReadWavFile(PlaybackSample(name + ".ref.wav")),
                                         1))
            << name;
    }
    ::SetEnvironmentVariableA("VBMP3_CAPTURE_WAV", nullptr);
}

TEST_F(DllPlayback, EndComesOnceAfterTheElapsedSecondsInOrder) {
    ASSERT_TRUE(Open("cbr44.mp3")); // 3.3 s
    ASSERT_TRUE(vbmp3_play());
    ASSERT_TRUE(NotificationLog::WaitFor(VBMP3_NOTIFY_END, 1, kTrackTimeoutMs));
    ::Sleep(300);
    // 0 as the first sample is heard, then the seconds heard before the last sample went to the
    // device (about 0.8 s before it is heard), then the end.
    const auto log = NotificationLog::All();
    ASSERT_GE(log.size(), 3u);
    for (size_t second = 0; second + 1 < log.size(); ++second) {
        EXPECT_EQ(log[second].code, VBMP3_NOTIFY_ELAPSED);
        EXPECT_EQ(log[second].value, static_cast<INT32>(second));
    }
    EXPECT_EQ(log.back().code, VBMP3_NOTIFY_END);
    EXPECT_EQ(log.back().value, 1); // it played sound
    EXPECT_NE(log.back().thread, ::GetCurrentThreadId());
    INT32 elapsed = 0;
    EXPECT_EQ(State(&elapsed), 0);
    EXPECT_EQ(elapsed, 3);

    // A file that gives no sound ends at once, and says so.
    NotificationLog::Clear();
    ASSERT_TRUE(Open("silent.mp3"));
    ASSERT_TRUE(vbmp3_play());
    ASSERT_TRUE(NotificationLog::WaitFor(VBMP3_NOTIFY_END, 1, kTrackTimeoutMs));
    EXPECT_EQ(NotificationLog::All().back().value, 0);
}

TEST_F(DllPlayback, SwitchedOffNotificationsWaitAndThoseOfAStoppedPlayAreDropped) {
    ASSERT_TRUE(Open("mono22.mp3"));
    ASSERT_TRUE(vbmp3_stopCallback());
    ASSERT_TRUE(vbmp3_play());
    for (int i = 0; i < 500 && State() == 1; ++i)
        ::Sleep(10);
    ::Sleep(100);
    EXPECT_TRUE(NotificationLog::All().empty()); // it ended, and nobody was told
    ASSERT_TRUE(vbmp3_startCallback());
    EXPECT_TRUE(NotificationLog::WaitFor(VBMP3_NOTIFY_END, 1, 1000));
    // Only the latest elapsed second heard before the end was told, then the end.
    ASSERT_EQ(NotificationLog::All().size(), 2u);
    EXPECT_EQ(NotificationLog::All().front().code, VBMP3_NOTIFY_ELAPSED);
    EXPECT_GE(NotificationLog::All().front().value, 1);

    // The player's own sequence: whatever the stopped play still had to say is not said.
    NotificationLog::Clear();
    ASSERT_TRUE(vbmp3_stopCallback());
    ASSERT_TRUE(vbmp3_play());
    ::Sleep(300);
    vbmp3_stop();
    vbmp3_close();
    ASSERT_TRUE(Open("cbr44.mp3"));
    ASSERT_TRUE(vbmp3_startCallback());
    ::Sleep(200);
    EXPECT_TRUE(NotificationLog::All().empty());
}

TEST_F(DllPlayback, TheNotificationMayStartTheNextTrackItself) {
    // What the player's controller does inside the end-of-track notification.
    std::atomic<int> ends{0};
    std::atomic<bool> started{false}, freeRefused{false};
    NotificationLog::SetAction([&](INT32 code, INT32) {
        if (code != VBMP3_NOTIFY_END || ++ends > 1) return;
        INT32 elapsed = 0;
        vbmp3_getState(&elapsed);
        vbmp3_stopCallback(); // the caller's own notification: no wait for itself
        freeRefused = !vbmp3_free();
        vbmp3_stop();
        vbmp3_close();
        started = Open("mono22.mp3") && vbmp3_play() && State() == 1;
        vbmp3_startCallback();
    });
    ASSERT_TRUE(Open("cbr44.mp3"));
    ASSERT_TRUE(vbmp3_play());
    ASSERT_TRUE(NotificationLog::WaitFor(VBMP3_NOTIFY_END, 2, kTrackTimeoutMs));
    EXPECT_TRUE(started);
    EXPECT_TRUE(freeRefused);
    EXPECT_EQ(State(), 0);
}

TEST_F(DllPlayback, StopCallbackHandlesWhatTheRunningNotificationSendsToTheCaller) {
    // The notification sends a message to a window of the thread that switches notifications
    // off: that thread has to handle it while it waits, or both wait for ever.
    const HWND window =
        ::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_TRUE(window);
    const HANDLE entered = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::atomic<bool> sent{false}, finished{false};
    NotificationLog::SetAction([&](INT32 code, INT32) {
        if (code != VBMP3_NOTIFY_ELAPSED || ::WaitForSingleObject(entered, 0) == WAIT_OBJECT_0)
            return;
        ::SetEvent(entered);
        ::Sleep(100); // the test thread is in vbmp3_stopCallback by now
        DWORD_PTR result = 0;
        sent = ::SendMessageTimeoutA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("sent"),
                                     SMTO_NORMAL, 3000, &result) != 0;
        finished = true;
    });
    ASSERT_TRUE(Open("timing4.mp3"));
    ASSERT_TRUE(vbmp3_play());
    ASSERT_EQ(::WaitForSingleObject(entered, kTrackTimeoutMs), WAIT_OBJECT_0);
    ASSERT_TRUE(vbmp3_stopCallback());
    EXPECT_TRUE(finished); // no notification runs once it has returned
    EXPECT_TRUE(sent);
    char text[16] = {};
    ::GetWindowTextA(window, text, sizeof text);
    EXPECT_STREQ(text, "sent");
    ::CloseHandle(entered);
    ::DestroyWindow(window);
}

// Seeks with notifications held, so that the log starts with what follows the seek.
BOOL SeekWithFreshLog(INT32 ms) {
    vbmp3_stopCallback();
    NotificationLog::Clear();
    const BOOL landed = vbmp3_seek(ms);
    vbmp3_startCallback();
    return landed;
}

TEST_F(DllPlayback, ASeekLandsOnAFrameStartKeepsThePhaseAndEndsThePlayPastTheEnd) {
    ASSERT_TRUE(Open("timing4.mp3"));
    EXPECT_FALSE(vbmp3_seek(1000)); // never played
    ASSERT_TRUE(vbmp3_play());
    // 1,500 ms lies in audio frame 58 (the decoder's and lame's delay, 1,105 samples, come
    // first), which starts at heard sample 58 * 1152 - 1105, at 1,490.04 ms.
    ASSERT_TRUE(SeekWithFreshLog(1500));
    INT32 second = -1, ms = -1;
    EXPECT_EQ(State(&second), 1);
    EXPECT_EQ(second, 1);
    ASSERT_TRUE(vbmp3_getPosition(&ms));
    EXPECT_EQ(ms, 1490);
    EXPECT_FALSE(vbmp3_getPosition(nullptr));
    ASSERT_TRUE(NotificationLog::WaitFor(VBMP3_NOTIFY_ELAPSED, 2, kTrackTimeoutMs));
    EXPECT_EQ(NotificationLog::All()[0].value, 1); // the landing second as it is heard, then on
    EXPECT_EQ(NotificationLog::All()[1].value, 2);

    // Paused, it stays paused and silent; the landing second comes once it is resumed.
    ASSERT_TRUE(vbmp3_pause());
    ASSERT_TRUE(SeekWithFreshLog(-3000)); // before the start: the start
    EXPECT_EQ(State(&second), 2);
    ::Sleep(300); // more than a second of sound on this sound card
    ASSERT_TRUE(vbmp3_getPosition(&ms));
    EXPECT_EQ(ms, 0);
    EXPECT_TRUE(NotificationLog::All().empty());
    ASSERT_TRUE(vbmp3_restart());
    ASSERT_TRUE(NotificationLog::WaitFor(VBMP3_NOTIFY_ELAPSED, 1, kTrackTimeoutMs));
    EXPECT_EQ(NotificationLog::All()[0].value, 0);

    // Past the end it ends as at its own end: stopped at its length, then the end notice.
    ASSERT_TRUE(SeekWithFreshLog(4000));
    EXPECT_EQ(State(&second), 0);
    EXPECT_EQ(second, 4);
    EXPECT_FALSE(vbmp3_seek(0));
    ASSERT_TRUE(NotificationLog::WaitFor(VBMP3_NOTIFY_END, 1, kTrackTimeoutMs));
    EXPECT_EQ(NotificationLog::All().size(), 1u);
    EXPECT_EQ(NotificationLog::All()[0].value, 1);
}

TEST_F(DllPlayback, SeeksInDamagedAndTruncatedFilesLandOrEndAndNeverHang) {
    // damaged.mp3: junk after audio frame 39 (about 1.0 s) and frame 79 (about 2.05 s) cut
    // short. truncated.mp3: the first half of cbr44.mp3, whose headers still promise 3.3 s.
    struct Case {
        const char* name;
        INT32 ms;
        INT32 state;
    };
    for (const Case c :
         {Case{"damaged.mp3", 1010, 1}, Case{"damaged.mp3", 2050, 1}, Case{"damaged.mp3", 3100, 1},
          Case{"truncated.mp3", 1000, 1}, Case{"truncated.mp3", 2500, 0}}) {
        NotificationLog::Clear();
        ASSERT_TRUE(Open(c.name));
        ASSERT_TRUE(vbmp3_play());
        ASSERT_TRUE(vbmp3_seek(c.ms)) << c.name << " " << c.ms;
        INT32 ms = -1;
        EXPECT_EQ(State(), c.state) << c.name << " " << c.ms;
        EXPECT_EQ(vbmp3_getPosition(&ms), c.state == 1);
        if (c.state == 1) {
            EXPECT_NEAR(ms, c.ms, 30) << c.name;
        }
        EXPECT_TRUE(NotificationLog::WaitFor(VBMP3_NOTIFY_END, 1, kTrackTimeoutMs)) << c.name;
    }
}

} // namespace
