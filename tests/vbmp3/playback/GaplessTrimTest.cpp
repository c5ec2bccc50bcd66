// The trimming arithmetic: which decoded frames are played.
#include <gtest/gtest.h>

#include <vector>

#include "vbmp3/playback/GaplessTrim.h"

namespace {

using vbmp3::GaplessTrim;

// Feeds blocks of the given sizes; returns the decoded frame indices that were kept, as
// [first, last] of each kept run.
std::vector<std::pair<std::size_t, std::size_t>> KeptRuns(GaplessTrim trim,
                                                          const std::vector<std::size_t>& blocks) {
    std::vector<std::pair<std::size_t, std::size_t>> runs;
    std::size_t at = 0;
    for (std::size_t block : blocks) {
        const GaplessTrim::Slice slice = trim.Next(block);
        EXPECT_LE(slice.skip + slice.keep, block);
        if (slice.keep) runs.emplace_back(at + slice.skip, at + slice.skip + slice.keep - 1);
        at += block;
    }
    return runs;
}

TEST(GaplessTrim, KeepsExactlyTheCodedSamplesWhateverTheBlockSizes) {
    // 1,105 frames of delay in front (spanning the first block), 3,000 kept, the rest dropped.
    using Runs = std::vector<std::pair<std::size_t, std::size_t>>;
    EXPECT_EQ(KeptRuns(GaplessTrim(1105, 3000), {1152, 1152, 1152, 1152}),
              (Runs{{1105, 1151}, {1152, 2303}, {2304, 3455}, {3456, 4104}}));
    EXPECT_EQ(KeptRuns(GaplessTrim(1105, 3000), {0, 576, 576, 4608}),
              (Runs{{1105, 1151}, {1152, 4104}}));
    // Nothing kept when the decoder gives out less than the delay.
    EXPECT_TRUE(KeptRuns(GaplessTrim(1105, 3000), {500, 500}).empty());
}

TEST(GaplessTrim, WithoutALameTagEverythingPlays) {
    vbmp3::StreamFacts facts;
    facts.hasLameTag = false;
    facts.encoderDelay = 576;
    GaplessTrim trim = GaplessTrim::ForStream(facts);
    EXPECT_EQ(trim.Next(1152).keep, 1152u);
    EXPECT_EQ(trim.Next(1152).skip, 0u);
}

TEST(GaplessTrim, LameTagTrimsDecoderAndEncoderDelayAndPadding) {
    vbmp3::StreamFacts facts;
    facts.hasLameTag = true;
    facts.encoderDelay = 576;
    facts.encoderPadding = 1350;
    facts.samples = 145530; // 128 frames of 1,152 less delay and padding
    GaplessTrim trim = GaplessTrim::ForStream(facts);
    std::size_t kept = 0, skippedInFront = 0;
    for (int frame = 0; frame < 128; ++frame) {
        const GaplessTrim::Slice slice = trim.Next(1152);
        if (kept == 0) skippedInFront += slice.skip;
        kept += slice.keep;
    }
    EXPECT_EQ(skippedInFront, static_cast<std::size_t>(vbmp3::kDecoderDelaySamples + 576));
    EXPECT_EQ(kept, 145530u);
}

} // namespace
