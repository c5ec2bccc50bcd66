// vbmp3_seek and vbmp3_getPosition through the DLL on the null sound card (about four times real
// time), as the player calls them: where the play lands, what the device gets from there, the
// notifications around it, and files whose frames are damaged or missing.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "tests/support/TempFolder.h"
#include "tests/vbmp3/playback/support/DllFixture.h"
#include "tests/vbmp3/playback/support/NotificationLog.h"
#include "tests/vbmp3/playback/support/PlaybackSamples.h"
#include "vbmp3/vbmp3.h"

namespace {

using vbmp3test::NotificationLog;
using vbmp3test::PlaybackSample;

constexpr DWORD kTrackTimeoutMs = 10000;
// The codec's dither starts afresh at a seek (SeekLandingTest measures it).
constexpr int kRestartLsb = 4;

// cbr44.mp3 (44.1 kHz, lame's 576 samples of encoder delay and the decoder's 529): 1,500 ms lies
// in audio frame 58, whose first heard sample is 58 * 1152 - 1105 = 65,711, at 1,490.04 ms.
constexpr INT32 kSeekMs = 1500;
constexpr std::size_t kLandingSample = 65711;
constexpr INT32 kLandingMs = 1490;

BOOL Open(const std::string& name) {
    return vbmp3_open(PlaybackSample(name).c_str(), nullptr);
}

INT32 Position() {
    INT32 ms = -1;
    EXPECT_TRUE(vbmp3_getPosition(&ms));
    return ms;
}

INT32 State(INT32* elapsed = nullptr) {
    INT32 ignored = 0;
    return vbmp3_getState(elapsed ? elapsed : &ignored);
}

// Seeks with notifications held, so that the log starts with what follows the seek.
BOOL SeekWithFreshLog(INT32 ms) {
    vbmp3_stopCallback();
    NotificationLog::Clear();
    const BOOL landed = vbmp3_seek(ms);
    vbmp3_startCallback();
    return landed;
}

TEST(DllSeekUnprepared, SeekAndPositionFailAndVolumeIsHarmlessBeforeInit) {
    INT32 ms = 77;
    EXPECT_FALSE(vbmp3_seek(0));
    EXPECT_FALSE(vbmp3_getPosition(&ms));
    EXPECT_EQ(ms, 77);
    EXPECT_TRUE(vbmp3_setVolume(50));
}

using DllSeek = vbmp3test::DllFixture;

TEST_F(DllSeek, LandsOnTheFrameStartAndTheDeviceGetsTheReferenceFromThere) {
    CTempFolder folder;
    const std::string capture = folder / "capture.wav";
    ASSERT_TRUE(::SetEnvironmentVariableA("VBMP3_CAPTURE_WAV", capture.c_str()));
    ASSERT_TRUE(Open("cbr44.mp3"));
    INT32 ms = 0;
    EXPECT_FALSE(vbmp3_seek(kSeekMs)); // open, never played
    EXPECT_FALSE(vbmp3_getPosition(&ms));
    ASSERT_TRUE(vbmp3_play());
    ASSERT_TRUE(NotificationLog::WaitFor(VBMP3_NOTIFY_ELAPSED, 2, kTrackTimeoutMs));
    EXPECT_FALSE(vbmp3_getPosition(nullptr));

    ASSERT_TRUE(SeekWithFreshLog(kSeekMs));
    INT32 second = -1;
    EXPECT_EQ(State(&second), VBMP3_STATE_PLAYING);
    EXPECT_EQ(second, 1);
    EXPECT_EQ(Position(), kLandingMs);
    ASSERT_TRUE(NotificationLog::WaitFor(VBMP3_NOTIFY_END, 1, kTrackTimeoutMs));
    // The landing second as the new place is heard, the seconds heard after it, the end.
    const auto log = NotificationLog::All();
    ASSERT_GE(log.size(), 2u);
    for (std::size_t i = 0; i + 1 < log.size(); ++i) {
        EXPECT_EQ(log[i].code, VBMP3_NOTIFY_ELAPSED);
        EXPECT_EQ(log[i].value, static_cast<INT32>(1 + i));
    }
    EXPECT_EQ(log.back().code, VBMP3_NOTIFY_END);
    EXPECT_EQ(log.back().value, 1);

    // The device got the start of the file until the seek, then the file from the landing frame
    // to its end.
    const vbmp3test::Pcm reference = vbmp3test::ReadWavFile(PlaybackSample("cbr44.ref.wav"));
    const vbmp3test::Pcm got = vbmp3test::ReadWavFile(capture);
    const std::size_t tail = reference.Frames() - kLandingSample;
    ASSERT_GT(got.Frames(), tail);
    EXPECT_TRUE(vbmp3test::PcmWithin(got.Slice(got.Frames() - tail, tail),
                                     reference.Slice(kLandingSample, tail), kRestartLsb));
}

TEST_F(DllSeek, APausedFileStaysPausedUntilRestartedAndOutOfRangeTimesLandAtTheEnds) {
    ASSERT_TRUE(Open("timing4.mp3"));
    ASSERT_TRUE(vbmp3_play());
    ASSERT_TRUE(vbmp3_pause());
    ASSERT_TRUE(SeekWithFreshLog(2500));
    INT32 second = -1;
    EXPECT_EQ(State(&second), VBMP3_STATE_PAUSED);
    EXPECT_EQ(second, 2);
    const INT32 landing = Position();
    EXPECT_GT(landing, 2470);
    EXPECT_LE(landing, 2500);
    ::Sleep(300); // more than a second of sound on this card: none of it plays
    EXPECT_EQ(Position(), landing);
    EXPECT_TRUE(NotificationLog::All().empty());
    ASSERT_TRUE(vbmp3_restart());
    ASSERT_TRUE(NotificationLog::WaitFor(VBMP3_NOTIFY_ELAPSED, 1, kTrackTimeoutMs));
    EXPECT_EQ(NotificationLog::All().front().value, 2);

    ASSERT_TRUE(SeekWithFreshLog(-3000)); // before the start: the start
    EXPECT_EQ(Position(), 0);
    EXPECT_EQ(State(), VBMP3_STATE_PLAYING);
    ASSERT_TRUE(NotificationLog::WaitFor(VBMP3_NOTIFY_ELAPSED, 1, kTrackTimeoutMs));
    EXPECT_EQ(NotificationLog::All().front().value, 0);

    // Past the end: the file ends as at its own end, and the caller plays on from there.
    ASSERT_TRUE(SeekWithFreshLog(4000));
    EXPECT_EQ(State(&second), VBMP3_STATE_STOPPED);
    EXPECT_EQ(second, 4);
    INT32 ms = 0;
    EXPECT_FALSE(vbmp3_getPosition(&ms));
    EXPECT_FALSE(vbmp3_seek(0)); // an ended file does not seek
    ASSERT_TRUE(NotificationLog::WaitFor(VBMP3_NOTIFY_END, 1, kTrackTimeoutMs));
    EXPECT_EQ(NotificationLog::All().back().value, 1);
    EXPECT_EQ(NotificationLog::Count(VBMP3_NOTIFY_ELAPSED), 0);
    ASSERT_TRUE(vbmp3_play());
    ASSERT_TRUE(vbmp3_stop());
    EXPECT_FALSE(vbmp3_seek(0));
}

TEST_F(DllSeek, DamagedAndTruncatedFilesLandOrEndAndNeverHang) {
    // damaged.mp3: junk after audio frame 39 (about 1.0 s) and frame 79 (about 2.05 s) cut
    // short. truncated.mp3: the first half of cbr44.mp3, whose headers still promise 3.3 s.
    struct Case {
        const char* name;
        INT32 ms;
        bool lands;
    };
    for (const Case c : {Case{"damaged.mp3", 1010, true}, Case{"damaged.mp3", 2050, true},
                         Case{"damaged.mp3", 3100, true}, Case{"truncated.mp3", 1000, true},
                         Case{"truncated.mp3", 2500, false}}) {
        NotificationLog::Clear();
        ASSERT_TRUE(Open(c.name));
        ASSERT_TRUE(vbmp3_play());
        ASSERT_TRUE(vbmp3_seek(c.ms)) << c.name << " " << c.ms;
        EXPECT_EQ(State(), c.lands ? VBMP3_STATE_PLAYING : VBMP3_STATE_STOPPED)
            << c.name << " " << c.ms;
        if (c.lands) {
            EXPECT_NEAR(Position(), c.ms, 30) << c.name << " " << c.ms;
        }
        EXPECT_TRUE(NotificationLog::WaitFor(VBMP3_NOTIFY_END, 1, kTrackTimeoutMs))
            << c.name << " " << c.ms;
    }
}

} // namespace
