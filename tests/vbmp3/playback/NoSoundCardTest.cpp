// Playing with no sound card (run-without-sound-card.sh gives Wine none): play fails, the state
// stays stopped, and nothing hangs.
#include <gtest/gtest.h>

#include <windows.h>
#include <mmsystem.h>

#include "tests/vbmp3/playback/support/PlaybackSamples.h"
#include "vbmp3/vbmp3.h"

namespace {

TEST(NoSoundCard, PlayFailsAndTheStateStaysStopped) {
    ASSERT_EQ(::waveOutGetNumDevs(), 0u) << "the test needs a system without a sound card";
    ASSERT_TRUE(vbmp3_init());
    VBMP3_OPEN_INFO info;
    ASSERT_TRUE(vbmp3_open(vbmp3test::PlaybackSample("cbr44.mp3").c_str(), &info));
    for (int attempt = 0; attempt < 2; ++attempt) {
        EXPECT_FALSE(vbmp3_play());
        INT32 elapsed = -1;
        EXPECT_EQ(vbmp3_getState(&elapsed), 0);
        EXPECT_EQ(elapsed, 0);
        EXPECT_FALSE(vbmp3_pause());
        EXPECT_FALSE(vbmp3_restart());
    }
    EXPECT_TRUE(vbmp3_stop());
    EXPECT_TRUE(vbmp3_close());
    EXPECT_TRUE(vbmp3_free());
}

} // namespace
