// Walking the frames for the decoder, over damage.
#include <gtest/gtest.h>

#include <vector>

#include "tests/vbmp3/support/ByteBuilders.h"
#include "vbmp3/playback/MpegFrameWalker.h"

namespace {

using namespace vbmp3test;

const FrameFields kStereo44{};                   // MPEG-1 128 kbit/s, 417 bytes
const FrameFields kMono22{2, 1, 8, 0, 3, false}; // MPEG-2 64 kbit/s, 208 bytes

struct Walk {
    std::vector<std::uint64_t> offsets;
    std::vector<int> sampleRates;
    std::uint64_t skipped = 0;
};

Walk WalkAll(const Bytes& file, std::uint64_t begin = 0) {
    vbmp3::MemoryByteSource source(file.data(), file.size());
    vbmp3::MpegFrameWalker walker(source, begin, file.size());
    Walk walk;
    while (const auto frame = walker.Next()) {
        EXPECT_EQ(frame->bytes[0], 0xFF);
        walk.offsets.push_back(frame->offset);
        walk.sampleRates.push_back(frame->header.sampleRate);
    }
    walk.skipped = walker.SkippedBytes();
    return walk;
}

TEST(MpegFrameWalker, CleanStreamsOfOneOrTwoFormatsArePassedWhole) {
    const Walk clean = WalkAll(Frames(5));
    EXPECT_EQ(clean.offsets, (std::vector<std::uint64_t>{0, 417, 834, 1251, 1668}));
    EXPECT_EQ(clean.skipped, 0u);

    const Walk changing = WalkAll(Frames(3) + Frames(2, kMono22));
    EXPECT_EQ(changing.sampleRates, (std::vector<int>{44100, 44100, 44100, 22050, 22050}));
    EXPECT_EQ(changing.skipped, 0u);
}

TEST(MpegFrameWalker, JunkAndCutFramesAreSteppedOverAndTheWalkGoesOn) {
    const Bytes junk(300, 0x20);
    // Junk after frame 2: frame 2 cannot be told from a frame cut short by the junk and goes.
    const Walk afterJunk = WalkAll(Frames(3) + junk + Frames(3));
    EXPECT_EQ(afterJunk.offsets, (std::vector<std::uint64_t>{0, 417, 1551, 1968, 2385}));
    EXPECT_EQ(afterJunk.skipped, 417u + 300u);

    // Frame 1 cut to 100 bytes.
    const Bytes frame = Frame();
    const Walk afterCut =
        WalkAll(Frames(1) + Bytes(frame.begin(), frame.begin() + 100) + Frames(3));
    EXPECT_EQ(afterCut.offsets, (std::vector<std::uint64_t>{0, 517, 934, 1351}));

    // Layer II frames in a Layer III stream are not fed to the Layer III decoder.
    const Walk mixed = WalkAll(Frames(2) + Frames(2, {3, 2, 8, 1, 0, false}) + Frames(2));
    EXPECT_EQ(mixed.offsets.size(), 3u); // the frame before the layer II frames goes too
}

TEST(MpegFrameWalker, TheEndOfTheAudio) {
    // The last frame before trailing junk is kept; a last frame cut off by the end is not.
    EXPECT_EQ(WalkAll(Frames(3) + Bytes(50, 0x20)).offsets.size(), 3u);
    const Bytes truncated = Frames(3);
    EXPECT_EQ(WalkAll(Bytes(truncated.begin(), truncated.end() - 10)).offsets.size(), 2u);
}

TEST(MpegFrameWalker, TheSummaryFrameIsNotAudio) {
    const Bytes file = XingFrame(kStereo44, "Info", 4, std::make_pair(576, 1000)) + Frames(4);
    const auto info = ReadInfo(file);
    ASSERT_TRUE(info);
    EXPECT_EQ(vbmp3::AudioBegin(info->stream), 417u);
    EXPECT_EQ(vbmp3::AudioEnd(info->stream), file.size());
    EXPECT_EQ(WalkAll(file, vbmp3::AudioBegin(info->stream)).offsets.size(), 4u);
}

} // namespace
