// Elapsed seconds of what the device played, across a change of format.
#include <gtest/gtest.h>

#include "vbmp3/playback/HeardTime.h"

namespace {

TEST(HeardTime, WholeSecondsOfTheFramesPlayed) {
    vbmp3::HeardTime heard;
    heard.StartSegment(44100);
    heard.SetPlayedFrames(44099);
    EXPECT_EQ(heard.WholeSeconds(), 0);
    EXPECT_EQ(heard.MillisecondsToNextSecond(), 1);
    heard.SetPlayedFrames(44100);
    EXPECT_EQ(heard.WholeSeconds(), 1);
    EXPECT_EQ(heard.MillisecondsToNextSecond(), 1000);
    heard.SetPlayedFrames(3 * 44100 + 22050);
    EXPECT_EQ(heard.WholeSeconds(), 3);
    EXPECT_EQ(heard.MillisecondsToNextSecond(), 500);
}

TEST(HeardTime, ADeviceReopenedForAnotherFormatAddsToTheEarlierTime) {
    vbmp3::HeardTime heard;
    heard.StartSegment(44100);
    heard.SetPlayedFrames(66150); // 1.5 s
    heard.StartSegment(22050);    // the device counts from 0 again, at another rate
    EXPECT_EQ(heard.WholeSeconds(), 1);
    heard.SetPlayedFrames(11025); // 0.5 s more
    EXPECT_EQ(heard.WholeSeconds(), 2);
    EXPECT_EQ(heard.Microseconds(), 2000000u);
}

} // namespace
