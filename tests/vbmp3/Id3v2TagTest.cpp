// ID3v2.2-2.4 title and artist, including what no tagger on this machine writes.
#include <gtest/gtest.h>

#include "tests/vbmp3/support/ByteBuilders.h"

namespace {

using namespace vbmp3test;

const Bytes kAudio = Frames(4);

vbmp3::FileInfo Read(const Bytes& file) {
    const auto info = ReadInfo(file);
    EXPECT_TRUE(info.has_value());
    return info.value_or(vbmp3::FileInfo{});
}

Bytes Utf16Le(const std::u16string& s, bool bom) {
    Bytes b = bom ? Bytes{0xFF, 0xFE} : Bytes{};
    for (char16_t c : s)
        b = b + Bytes{std::uint8_t(c), std::uint8_t(c >> 8)};
    return b;
}

Bytes Utf16Be(const std::u16string& s, bool bom) {
    Bytes b = bom ? Bytes{0xFE, 0xFF} : Bytes{};
    for (char16_t c : s)
        b = b + Bytes{std::uint8_t(c >> 8), std::uint8_t(c)};
    return b;
}

TEST(Id3v2Tag, Version22ThreeLetterFrames) {
    const Bytes frames = Id3v2Frame(2, "TT2", TextBody(0, AsBytes("Old title"))) +
                         Id3v2Frame(2, "TP1", TextBody(1, Utf16Le(u"歌手", true)));
    const auto info = Read(Id3v2Tag(2, frames) + kAudio);
    EXPECT_STREQ(info.title, "Old title");
    EXPECT_STREQ(info.artist, "歌手");
    EXPECT_EQ(info.tagKinds, vbmp3::kTagId3v2);
}

TEST(Id3v2Tag, Version23Utf16WithEitherByteOrderMark) {
    const Bytes frames =
        Id3v2Frame(3, "TIT2", TextBody(1, Utf16Le(u"夜〜明け", true) + Bytes{0, 0})) +
        Id3v2Frame(3, "TPE1", TextBody(1, Utf16Be(u"アーティスト", true))) +
        Id3v2Frame(3, "TALB", TextBody(0, AsBytes(std::string("Album\0junk after the end", 24))));
    const auto info = Read(Id3v2Tag(3, frames) + kAudio);
    EXPECT_STREQ(info.title, "夜\x81\x60明け");
    EXPECT_STREQ(info.artist, "アーティスト");
    EXPECT_STREQ(info.album, "Album"); // 2.3 ends a text at its first zero
}

TEST(Id3v2Tag, Version24Utf16BeUtf8AndSeveralValues) {
    const Bytes frames =
        Id3v2Frame(4, "TIT2", TextBody(2, Utf16Be(u"東京", false))) +
        Id3v2Frame(4, "TPE1", TextBody(3, AsBytes(u8"ボーカル") + Bytes{0} + AsBytes(u8"ギター")));
    const auto info = Read(Id3v2Tag(4, frames) + kAudio);
    EXPECT_STREQ(info.title, "東京");
    EXPECT_STREQ(info.artist, "ボーカル/ギター");
}

TEST(Id3v2Tag, TagLevelUnsynchronisationOfVersion23) {
    // 0xFF bytes in the texts: the tag stores each followed by an inserted zero, and the frame
    // sizes count the bytes before that.
    const Bytes frames = Id3v2Frame(3, "TIT2", TextBody(1, Utf16Le(u"\u00FF\uFFE0\uFF5E", true))) +
                         Id3v2Frame(3, "TPE1", TextBody(0, AsBytes("Artist")));
    const Bytes body = Unsynchronise(frames);
    ASSERT_GT(body.size(), frames.size());
    const auto info = Read(Id3v2Tag(3, body, 0x80) + kAudio);
    EXPECT_STREQ(info.title, "y\x81\x91\x81\x60"); // y-diaeresis as y, full-width cent, tilde
    EXPECT_STREQ(info.artist, "Artist");
}

TEST(Id3v2Tag, FrameLevelUnsynchronisationAndDataLengthIndicatorOfVersion24) {
    const Bytes text = TextBody(1, Utf16Le(u"\u00FF\u00FFT", true));
    const Bytes stored = Syncsafe(static_cast<std::uint32_t>(text.size())) + Unsynchronise(text);
    const Bytes frames = Id3v2Frame(4, "TIT2", stored, 0x03) +
                         Id3v2Frame(4, "TPE1", Bytes{0x01} + TextBody(0, AsBytes("Grouped")), 0x40);
    const auto info = Read(Id3v2Tag(4, frames) + kAudio);
    EXPECT_STREQ(info.title, "yyT");
    EXPECT_STREQ(info.artist, "Grouped");
}

TEST(Id3v2Tag, ExtendedHeadersAreSkipped) {
    const Bytes frame = Id3v2Frame(3, "TIT2", TextBody(0, AsBytes("After ext")));
    const Bytes ext23 = BigEndian32(6) + Bytes{0, 0, 0, 0, 0, 0};
    EXPECT_STREQ(Read(Id3v2Tag(3, ext23 + frame, 0x40) + kAudio).title, "After ext");

    const Bytes frame24 = Id3v2Frame(4, "TIT2", TextBody(0, AsBytes("After ext")));
    const Bytes ext24 = Syncsafe(6) + Bytes{1, 0};
    EXPECT_STREQ(Read(Id3v2Tag(4, ext24 + frame24, 0x40) + kAudio).title, "After ext");
}

TEST(Id3v2Tag, FooterOfVersion24CountsInTheTagSize) {
    const Bytes frames = Id3v2Frame(4, "TIT2", TextBody(0, AsBytes("Footed")));
    const Bytes tag = Id3v2Tag(4, frames, 0x10);
    const Bytes footer =
        AsBytes("3DI") + Bytes{4, 0, 0x10} + Syncsafe(static_cast<std::uint32_t>(frames.size()));
    const auto info = Read(tag + footer + kAudio);
    EXPECT_STREQ(info.title, "Footed");
    EXPECT_EQ(info.stream.firstFrameOffset, tag.size() + footer.size());
}

TEST(Id3v2Tag, CompressedAndEncryptedFramesAreSkipped) {
    const Bytes frames =
        Id3v2Frame(3, "TIT2", Bytes{0, 0, 0, 20} + AsBytes("x\x9c zlib data"), 0x80) +
        Id3v2Frame(3, "TPE1", Bytes{0x80} + AsBytes("encrypted"), 0x40) +
        Id3v2Frame(3, "TIT2", TextBody(0, AsBytes("Plain title")));
    const auto info =
        Read(Id3v2Tag(3, frames) + kAudio + Id3v1(AsBytes("v1 title"), AsBytes("v1 artist")));
    EXPECT_STREQ(info.title, "Plain title");
    EXPECT_STREQ(info.artist, "v1 artist");
}

TEST(Id3v2Tag, SeveralTagsInARowAllCount) {
    const Bytes first = Id3v2Tag(3, Id3v2Frame(3, "TIT2", TextBody(0, AsBytes("First"))));
    const Bytes second =
        Id3v2Tag(4, Id3v2Frame(4, "TIT2", TextBody(0, AsBytes("Second"))) +
                        Id3v2Frame(4, "TPE1", TextBody(0, AsBytes("From second"))));
    const Bytes third =
        Id3v2Tag(2, Id3v2Frame(2, "TAL", TextBody(0, AsBytes("From third"))) + Bytes(100, 0));
    const auto info = Read(first + second + third + kAudio);
    EXPECT_STREQ(info.title, "First");
    EXPECT_STREQ(info.artist, "From second");
    EXPECT_STREQ(info.album, "From third");
    EXPECT_EQ(info.stream.firstFrameOffset, first.size() + second.size() + third.size());
    EXPECT_EQ(info.stream.frameCount, 4u);
}

TEST(Id3v2Tag, SizesBeyondTheTagOrFileKeepWhatWasReadAndStillFindTheAudio) {
    const Bytes title = Id3v2Frame(3, "TIT2", TextBody(0, AsBytes("Before damage")));
    const Bytes oversizedFrame =
        AsBytes("TPE1") + BigEndian32(0x7FFFFFF0) + Bytes{0, 0} + TextBody(0, AsBytes("x"));
    const auto frameTooLarge = Read(Id3v2Tag(3, title + oversizedFrame) + kAudio);
    EXPECT_STREQ(frameTooLarge.title, "Before damage");
    EXPECT_STREQ(frameTooLarge.artist, "");
    EXPECT_EQ(frameTooLarge.stream.frameCount, 4u);

    // The tag claims 256 MB in a file of a few kilobytes.
    const auto tagTooLarge = Read(Id3v2Tag(3, title, 0, 0x0FFFFFFF) + kAudio);
    EXPECT_STREQ(tagTooLarge.title, "Before damage");
    EXPECT_EQ(tagTooLarge.stream.frameCount, 4u);
}

} // namespace
