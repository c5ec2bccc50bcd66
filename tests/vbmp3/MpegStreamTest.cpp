// Finding the audio and measuring its length.
#include <gtest/gtest.h>

#include "tests/vbmp3/support/ByteBuilders.h"
#include "vbmp3/core/MpegFrameHeader.h"
#include "vbmp3/core/MpegStream.h"

namespace {

using namespace vbmp3test;

int FrameBytesOf(const FrameFields& fields) {
    return static_cast<int>(Frame(fields).size());
}

TEST(MpegFrameHeader, FrameSizesOfEveryVersionAndLayer) {
    EXPECT_EQ(FrameBytesOf({3, 1, 9, 0, 0, false}), 417); // MPEG-1 layer III 128k 44.1 kHz
    EXPECT_EQ(FrameBytesOf({3, 1, 9, 0, 0, true}), 418);
    EXPECT_EQ(FrameBytesOf({3, 1, 14, 2, 0, true}), 1441); // 320k 32 kHz, the largest
    EXPECT_EQ(FrameBytesOf({2, 1, 8, 0, 3, false}), 208);  // MPEG-2 64k 22.05 kHz
    EXPECT_EQ(FrameBytesOf({0, 1, 1, 2, 3, false}), 72);   // MPEG-2.5 8k 8 kHz
    EXPECT_EQ(FrameBytesOf({3, 2, 8, 1, 0, false}), 384);  // layer II 128k 48 kHz
    EXPECT_EQ(FrameBytesOf({3, 3, 1, 0, 0, false}), 32);   // layer I 32k 44.1 kHz
}

TEST(MpegFrameHeader, ReservedAndFreeFormatValuesAreRejected) {
    const std::uint8_t good[4] = {0xFF, 0xFB, 0x90, 0x64};
    ASSERT_TRUE(vbmp3::ParseMpegFrameHeader(good));
    for (const auto& bad : {std::array<std::uint8_t, 4>{0xFF, 0xEB, 0x90, 0x64}, // reserved version
                            std::array<std::uint8_t, 4>{0xFF, 0xF9, 0x90, 0x64}, // reserved layer
                            std::array<std::uint8_t, 4>{0xFF, 0xFB, 0x00, 0x64}, // free format
                            std::array<std::uint8_t, 4>{0xFF, 0xFB, 0xF0, 0x64}, // bit rate 15
                            std::array<std::uint8_t, 4>{0xFF, 0xFB, 0x9C, 0x64}, // sample rate 3
                            std::array<std::uint8_t, 4>{0xFF, 0xFB, 0x90, 0x66}, // emphasis 2
                            std::array<std::uint8_t, 4>{0xFE, 0xFB, 0x90, 0x64}}) // no sync
        EXPECT_FALSE(vbmp3::ParseMpegFrameHeader(bad.data()));
}

TEST(MpegStream, WalkingCountsEveryFrameOfEachVersion) {
    const auto mpeg1 = ReadInfo(Frames(100));
    ASSERT_TRUE(mpeg1);
    EXPECT_EQ(mpeg1->stream.frameCount, 100u);
    EXPECT_EQ(mpeg1->stream.lengthSource, vbmp3::LengthSource::FrameWalk);
    EXPECT_EQ(mpeg1->lengthMs, 100u * 1152 * 1000 / 44100);

    const auto mpeg25 = ReadInfo(Frames(50, {0, 1, 1, 2, 3, false}));
    ASSERT_TRUE(mpeg25);
    EXPECT_EQ(mpeg25->stream.first.version, vbmp3::MpegVersion::Mpeg25);
    EXPECT_EQ(mpeg25->stream.first.Channels(), 1);
    EXPECT_EQ(mpeg25->lengthMs, 50u * 576 * 1000 / 8000);

    const auto layer2 = ReadInfo(Frames(10, {2, 2, 8, 0, 0, false}));
    ASSERT_TRUE(layer2);
    EXPECT_EQ(layer2->stream.first.layer, 2);
    EXPECT_EQ(layer2->lengthMs, 10u * 1152 * 1000 / 22050);
}

TEST(MpegStream, XingFrameCountAndLameDelayAndPaddingGiveTheLength) {
    const FrameFields fields;
    const auto info =
        ReadInfo(XingFrame(fields, "Xing", 120, std::make_pair(576, 1000)) + Frames(100));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->stream.lengthSource, vbmp3::LengthSource::XingHeader);
    EXPECT_EQ(info->stream.frameCount, 120u);
    EXPECT_EQ(info->stream.encoderDelay, 576);
    EXPECT_EQ(info->stream.encoderPadding, 1000);
    EXPECT_EQ(info->stream.samples, 120u * 1152 - 1576);
    EXPECT_EQ(info->lengthMs, (120u * 1152 - 1576) * 1000 / 44100);
}

TEST(MpegStream, SummaryHeadersWithoutAPlausibleCountFallBackToWalking) {
    const FrameFields fields;
    const auto noCount =
        ReadInfo(XingFrame(fields, "Info", std::nullopt, std::make_pair(576, 100)) + Frames(30));
    ASSERT_TRUE(noCount);
    EXPECT_EQ(noCount->stream.lengthSource, vbmp3::LengthSource::FrameWalk);
    EXPECT_EQ(noCount->stream.frameCount, 30u);
    EXPECT_EQ(noCount->stream.samples, 30u * 1152 - 676);

    // A truncated file keeps the header of the whole: far more frames than its bytes can hold.
    const auto truncated = ReadInfo(XingFrame(fields, "Xing", 100000, std::nullopt) + Frames(30));
    ASSERT_TRUE(truncated);
    EXPECT_EQ(truncated->stream.frameCount, 30u);
}

TEST(MpegStream, VbriFrameCount) {
    const auto info = ReadInfo(VbriFrame({}, 40) + Frames(30));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->stream.lengthSource, vbmp3::LengthSource::VbriHeader);
    EXPECT_EQ(info->stream.frameCount, 40u);
}

TEST(MpegStream, JunkAndFalseSyncBeforeTheFirstFrameAreSkipped) {
    const Bytes loneHeader = Bytes{0xFF, 0xFB, 0x90, 0x64} + Bytes(50, 0x11);
    const Bytes junk =
        Bytes(1000, 0) + loneHeader + Frame() + Bytes(7, 0x22); // a frame, then no follower
    const auto info = ReadInfo(junk + Frames(5));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->stream.firstFrameOffset, junk.size());
    EXPECT_EQ(info->stream.frameCount, 5u);
}

TEST(MpegStream, LostSyncInsideTheStreamIsRecovered) {
    const auto info = ReadInfo(Frames(20) + Bytes(333, 0x01) + Frames(20));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->stream.frameCount, 40u);
}

TEST(MpegStream, SearchesForAudioEndAtTheLimit) {
    const size_t limit = static_cast<size_t>(vbmp3::kFrameSearchLimit);
    // Before the first frame: junk just within the limit is skipped, beyond it nothing is found.
    const auto near = ReadInfo(Bytes(limit - 3000, 0x41) + Frames(10));
    ASSERT_TRUE(near);
    EXPECT_EQ(10u, near->stream.frameCount);
    EXPECT_FALSE(ReadInfo(Bytes(limit + 1, 0x41) + Frames(10)));
    // Inside the stream: a longer stretch without frames ends the audio there.
    const auto gap = ReadInfo(Frames(10) + Bytes(limit - 3000, 0) + Frames(10));
    ASSERT_TRUE(gap);
    EXPECT_EQ(20u, gap->stream.frameCount);
    const auto hole = ReadInfo(Frames(10) + Bytes(limit + 1000, 0) + Frames(10));
    ASSERT_TRUE(hole);
    EXPECT_EQ(10u, hole->stream.frameCount);
}

TEST(MpegStream, SingleFrameThatEndsTheFileIsEnough) {
    const auto info = ReadInfo(Frame());
    ASSERT_TRUE(info);
    EXPECT_EQ(info->stream.frameCount, 1u);
}

Bytes Le(std::uint32_t v, int n) {
    Bytes b;
    for (int i = 0; i < n; ++i)
        b.push_back(std::uint8_t(v >> (8 * i)));
    return b;
}

Bytes Chunk(const char* id, const Bytes& body) {
    const Bytes padding = body.size() % 2 ? Bytes{0} : Bytes{};
    return AsBytes(id) + Le(static_cast<std::uint32_t>(body.size()), 4) + body + padding;
}

Bytes Riff(std::uint16_t formatTag, const Bytes& audio, const Bytes& extraChunks = {}) {
    const Bytes fmt = Chunk("fmt ", Le(formatTag, 2) + Bytes(28, 0));
    const Bytes fact = Chunk("fact", Bytes{1, 2, 3}); // odd size, padded
    const Bytes body = AsBytes("WAVE") + fmt + fact + extraChunks + Chunk("data", audio);
    return AsBytes("RIFF") + Le(static_cast<std::uint32_t>(body.size()), 4) + body;
}

TEST(MpegStream, Mp3InsideRiffWave) {
    const Bytes file = Riff(0x55, Frames(12));
    const auto info = ReadInfo(file);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->stream.frameCount, 12u);
    EXPECT_EQ(info->stream.firstFrameOffset, file.size() - Frames(12).size());

    EXPECT_FALSE(ReadInfo(Riff(1, Frames(12)))); // PCM: not ours, whatever the bytes look like
}

TEST(MpegStream, RiffWaveId3ChunkGivesTheTags) {
    const Bytes id3 = Id3v2Tag(3, Id3v2Frame(3, "TIT2", TextBody(0, AsBytes("In a chunk"))));
    const auto info = ReadInfo(Riff(0x55, Frames(12), Chunk("id3 ", id3)));
    ASSERT_TRUE(info);
    EXPECT_STREQ(info->title, "In a chunk");
    EXPECT_EQ(info->stream.frameCount, 12u);
}

} // namespace
