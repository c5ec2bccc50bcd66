// Tags after the audio (APE, ID3v1, Lyrics3) and the order in which tags lend their fields.
#include <gtest/gtest.h>

#include "tests/vbmp3/support/ByteBuilders.h"

namespace {

using namespace vbmp3test;

const Bytes kAudio = Frames(10);

Bytes Lyrics3v2(const std::string& lyrics) {
    const std::string body = "LYRICSBEGIN" + lyrics;
    char size[7];
    std::snprintf(size, sizeof size, "%06zu", body.size());
    return AsBytes(body + size + "LYRICS200");
}

TEST(TrailingTags, FieldsComeFromTheStrongestTagThatHasThem) {
    const Bytes id3v2 = Id3v2Tag(3, Id3v2Frame(3, "TIT2", TextBody(0, AsBytes("v2 title"))) +
                                        Id3v2Frame(3, "TPE1", TextBody(0, AsBytes(" \r\n"))));
    const Bytes ape =
        ApeV2({{"ARTIST", AsBytes(u8"アーティスト")}, {"Title", AsBytes("ape title")}});
    const Bytes v1 = Id3v1(AsBytes("v1 title"), AsBytes("v1 artist"), AsBytes("v1 album"));
    const auto info = ReadInfo(id3v2 + kAudio + ape + v1);
    ASSERT_TRUE(info);
    EXPECT_STREQ(info->title, "v2 title");
    EXPECT_STREQ(info->artist, "アーティスト"); // an ID3v2 text of blanks counts as missing
    EXPECT_STREQ(info->album, "v1 album");
    EXPECT_EQ(info->tagKinds, vbmp3::kTagId3v2 | vbmp3::kTagApe | vbmp3::kTagId3v1);
    EXPECT_EQ(info->stream.frameCount, 10u); // no tag was taken for audio
}

TEST(TrailingTags, Id3v1FieldsAreJudgedOneByOne) {
    const auto info =
        ReadInfo(kAudio + Id3v1(AsBytes("桜の季節"), AsBytes("Bj\xF6rk"), AsBytes("Ｂｅｓｔ")));
    ASSERT_TRUE(info);
    EXPECT_STREQ(info->title, "桜の季節");
    EXPECT_STREQ(info->artist, "Bjork");
    EXPECT_STREQ(info->album, "Ｂｅｓｔ");
}

TEST(TrailingTags, Id3v1FieldFilledUpToALeadByteLosesOnlyThatByte) {
    const std::string kana = "あいうえおかきくけこさしすせそ"; // 30 bytes
    const Bytes cut = AsBytes(kana.substr(0, 28) + "a") + Bytes{0x82};
    const auto info = ReadInfo(kAudio + Id3v1(cut, AsBytes("Artist   ")));
    ASSERT_TRUE(info);
    EXPECT_EQ(std::string(info->title), kana.substr(0, 28) + "a");
    EXPECT_STREQ(info->artist, "Artist");
}

TEST(TrailingTags, LyricsAndApeBetweenAudioAndId3v1AreNotAudio) {
    const Bytes ape = ApeV2({{"Title", AsBytes("APE")}});
    const auto info = ReadInfo(kAudio + Lyrics3v2("[00:01]la la") + ape + Id3v1(AsBytes("T"), {}));
    ASSERT_TRUE(info);
    EXPECT_STREQ(info->title, "APE");
    EXPECT_EQ(info->tagKinds, vbmp3::kTagApe | vbmp3::kTagId3v1 | vbmp3::kTagLyrics3);
    EXPECT_EQ(info->stream.frameCount, 10u);
    EXPECT_EQ(info->stream.audioBytes, kAudio.size());

    const auto lyrics1 =
        ReadInfo(kAudio + AsBytes("LYRICSBEGINsome words LYRICSEND") + Id3v1(AsBytes("T"), {}));
    ASSERT_TRUE(lyrics1);
    EXPECT_EQ(lyrics1->stream.audioBytes, kAudio.size());
}

TEST(TrailingTags, ApeItemsRunningPastTheFooterEndTheReading) {
    Bytes ape = ApeV2({{"Artist", AsBytes("kept")}, {"Title", AsBytes("lost")}});
    // The second item's value size: claim far more than the tag holds.
    const std::size_t secondItem = 32 + 8 + 7 + 4;
    ape[secondItem] = 0xFF;
    ape[secondItem + 3] = 0x7F;
    const auto info = ReadInfo(kAudio + ape);
    ASSERT_TRUE(info);
    EXPECT_STREQ(info->artist, "kept");
    EXPECT_STREQ(info->title, "");
}

} // namespace
