// Files that are broken, cut short or not MP3 at all: a clean failure or sane values.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "tests/vbmp3/support/ByteBuilders.h"
#include "vbmp3/core/Cp932.h"

namespace {

using namespace vbmp3test;

void ExpectWellFormedField(const char* field) {
    const void* zero = std::memchr(field, 0, vbmp3::kTextFieldSize);
    ASSERT_NE(zero, nullptr);
    const std::size_t length = static_cast<const char*>(zero) - field;
    for (std::size_t i = 0; i < length; ++i) {
        const auto b = static_cast<std::uint8_t>(field[i]);
        ASSERT_GE(b, 0x20) << i;
        if (vbmp3::cp932::IsLeadByte(b)) {
            ASSERT_LT(++i, length) << "split character";
        }
    }
}

// What the player may rely on for any file the library accepts.
void ExpectSane(const std::optional<vbmp3::FileInfo>& info, std::size_t fileSize) {
    if (!info) return;
    ExpectWellFormedField(info->title);
    ExpectWellFormedField(info->artist);
    ExpectWellFormedField(info->album);
    EXPECT_LT(info->stream.firstFrameOffset, fileSize);
    EXPECT_LE(info->stream.audioBytes, fileSize);
    // No stream is denser than 8 kbit/s at 8 kHz: 72 bytes per 72 ms.
    EXPECT_LE(info->lengthMs, (fileSize / 24 + 1) * 1152 * 1000 / 8000);
}

Bytes TaggedFile() {
    const Bytes id3v2 =
        Id3v2Tag(3, Id3v2Frame(3, "TIT2", TextBody(1, Bytes{0xFF, 0xFE, 0x42, 0x30, 0x44, 0x30})));
    return id3v2 + XingFrame({}, "Info", 40, std::make_pair(576, 300)) + Frames(40) +
           ApeV2({{"Artist", AsBytes("a")}}) + Id3v1(AsBytes("t"), AsBytes("a"));
}

TEST(DamagedFiles, EmptyFileAndOtherFormatsFailCleanly) {
    EXPECT_FALSE(ReadInfo({}));
    EXPECT_FALSE(ReadInfo(Bytes{0xFF}));
    EXPECT_FALSE(ReadInfo(Bytes{0xFF, 0xFB, 0x90}));
    EXPECT_FALSE(ReadInfo(Id3v2Tag(3, Id3v2Frame(3, "TIT2", TextBody(0, AsBytes("tag only"))))));

    Bytes png = Bytes{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A} + Bytes{0, 0, 0, 13} +
                AsBytes("IHDR") + Bytes{0, 0, 1, 0, 0, 0, 1, 0, 8, 6, 0, 0, 0};
    std::mt19937 random(1);
    for (int i = 0; i < 20000; ++i)
        png.push_back(static_cast<std::uint8_t>(random()));
    EXPECT_FALSE(ReadInfo(png));
}

TEST(DamagedFiles, RandomBytesGiveNoFalseAudio) {
    std::mt19937 random(2);
    for (std::size_t size : {10u, 100u, 1000u, 100000u}) {
        Bytes bytes(size);
        for (auto& b : bytes)
            b = static_cast<std::uint8_t>(random());
        const auto info = ReadInfo(bytes);
        EXPECT_FALSE(info) << size;
        ExpectSane(info, size);
    }
}

TEST(DamagedFiles, EveryTruncationOfATaggedFileIsSane) {
    const Bytes whole = TaggedFile();
    const auto full = ReadInfo(whole);
    ASSERT_TRUE(full);
    EXPECT_STREQ(full->title, "\x82\xA0\x82\xA2");
    for (std::size_t length = 0; length <= whole.size(); length += 3) {
        const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
        const auto info = ReadInfo(cut);
        ExpectSane(info, length);
        if (info) {
            EXPECT_LE(info->stream.frameCount, 40u);
        }
    }
}

TEST(DamagedFiles, SizeFieldsClaimingGigabytesAreBounded) {
    Bytes file = TaggedFile();
    // ID3v2 frame size 0xFFFFFFFF, APE tag size 0xFFFFFFF0.
    const std::size_t frameSize = 10 + 4;
    std::memset(&file[frameSize], 0xFF, 4);
    const std::size_t apeFooter = file.size() - 128 - 32;
    file[apeFooter + 12] = 0xF0;
    std::memset(&file[apeFooter + 13], 0xFF, 3);
    const auto info = ReadInfo(file);
    ASSERT_TRUE(info);
    ExpectSane(info, file.size());
    EXPECT_STREQ(info->title, "t"); // the damaged ID3v2 frame gave way to ID3v1
    EXPECT_EQ(info->stream.frameCount, 40u);
}

TEST(DamagedFiles, TitleWithLineBreaksStaysOneLine) {
    const Bytes tag =
        Id3v2Tag(4, Id3v2Frame(4, "TIT2", TextBody(3, AsBytes("First\r\nSecond\tThird"))));
    const auto info = ReadInfo(tag + Frames(3));
    ASSERT_TRUE(info);
    EXPECT_STREQ(info->title, "First  Second Third");
}

} // namespace
