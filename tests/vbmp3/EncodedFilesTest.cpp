// The parser on files that lame, sox, ffmpeg and the Debian taggers write.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/vbmp3/support/EncodedFiles.h"
#include "vbmp3/core/FileByteSource.h"
#include "vbmp3/core/FileInfo.h"

namespace {

using vbmp3::LengthSource;
using vbmp3test::EncodedFiles;

vbmp3::FileInfo ReadFile(const std::string& path) {
    vbmp3::FileByteSource source(path);
    vbmp3::FileInfo info{};
    EXPECT_TRUE(source.IsOpen()) << path;
    EXPECT_TRUE(vbmp3::ReadFileInfo(source, info)) << path;
    return info;
}

class EncodedFilesTest : public ::testing::Test {
protected:
    EncodedFiles files;
};

TEST_F(EncodedFilesTest, LameSummaryHeaderGivesTheExactLengthWithoutDelayAndPadding) {
    // 2.99 s: with the encoder's delay and padding counted the frames would make more than 3 s.
    // At 96 kbit/s lame resamples to 32 kHz.
    for (const std::string options : {"-b 128", "-V 2", "--abr 96"}) {
        const auto info = ReadFile(files.Encode("tone.mp3", 2.99, 44100, 2, options));
        EXPECT_EQ(info.stream.lengthSource, LengthSource::XingHeader) << options;
        EXPECT_TRUE(info.stream.hasLameTag) << options;
        EXPECT_EQ(info.stream.samples,
                  299u * static_cast<unsigned>(info.stream.first.sampleRate) / 100)
            << options;
        EXPECT_EQ(info.lengthMs, 2990u) << options;
    }
}

TEST_F(EncodedFilesTest, WithoutSummaryHeaderTheFramesAreWalked) {
    const auto info = ReadFile(files.Encode("plain.mp3", 2.99, 44100, 2, "-t -b 128"));
    EXPECT_EQ(info.stream.lengthSource, LengthSource::FrameWalk);
    EXPECT_FALSE(info.stream.hasSummaryFrame);
    // Every frame counts, with the encoder's delay and padding: a little over 2.99 s.
    EXPECT_GE(info.lengthMs, 2990u);
    EXPECT_LT(info.lengthMs, 3100u);
    EXPECT_EQ(info.stream.AverageBitRateKbps(), 128);
}

TEST_F(EncodedFilesTest, Mpeg2AndMpeg25SampleRates) {
    const auto mpeg2 = ReadFile(files.Encode("m2.mp3", 4.5, 22050, 1, "-b 64"));
    EXPECT_EQ(mpeg2.stream.first.version, vbmp3::MpegVersion::Mpeg2);
    EXPECT_EQ(mpeg2.stream.first.sampleRate, 22050);
    EXPECT_EQ(mpeg2.stream.first.Channels(), 1);
    EXPECT_EQ(mpeg2.lengthMs, 4500u);

    const auto mpeg25 = ReadFile(files.Encode("m25.mp3", 6.25, 8000, 1, "-b 32"));
    EXPECT_EQ(mpeg25.stream.first.version, vbmp3::MpegVersion::Mpeg25);
    EXPECT_EQ(mpeg25.lengthMs, 6250u);

    // Frames of 72 bytes leave lame no room for its summary: every frame counts, padding too.
    const auto small = ReadFile(files.Encode("m25small.mp3", 6.25, 8000, 1, "-b 8"));
    EXPECT_EQ(small.stream.lengthSource, LengthSource::FrameWalk);
    EXPECT_EQ(small.lengthMs, small.stream.frameCount * 576 * 1000 / 8000);
    EXPECT_GT(small.lengthMs, 6250u);
}

TEST_F(EncodedFilesTest, TruncatedDownloadIsMeasuredByWhatIsThere) {
    const std::string path = files.Encode("long.mp3", 20, 44100, 2, "-b 128");
    std::filesystem::resize_file(path, std::filesystem::file_size(path) / 2);
    const auto info = ReadFile(path);
    EXPECT_EQ(info.stream.lengthSource, LengthSource::FrameWalk);
    EXPECT_NEAR(static_cast<double>(info.lengthMs), 10000.0, 100.0);
}

TEST_F(EncodedFilesTest, Id3v2ToolWritesShiftJisBytesAsJapaneseTaggersDid) {
    const std::string path = files.Encode("sjis.mp3", 1, 44100, 2, "-b 128");
    // The shell hands the test's code page 932 bytes to id3v2 unchanged: a Latin-1 frame and an
    // ID3v1 tag both holding Shift-JIS.
    ASSERT_EQ(files.Run("id3v2 -t '夢の表参道' -a 'Caf\xE9 Mus\xE9"
                        "e' sjis.mp3"),
              0);
    const auto info = ReadFile(path);
    EXPECT_STREQ(info.title, "夢の表参道");
    EXPECT_STREQ(info.artist, "Cafe Musee");
    EXPECT_EQ(info.tagKinds, vbmp3::kTagId3v2 | vbmp3::kTagId3v1);
    EXPECT_EQ(info.lengthMs, 1000u);
}

TEST_F(EncodedFilesTest, EyeD3UnicodeTagsInEveryVersion) {
    // eyeD3 takes UTF-8 arguments; the file names stay ASCII for the shell.
    const std::string title = u8"東京〜大阪 — Live";
    const std::string artist = u8"ｱｰﾃｨｽﾄ & Ensemble";
    struct Case {
        const char* options;
        const char* name;
    };
    for (const Case c : {Case{"--to-v2.4 --encoding utf8", "v24utf8.mp3"},
                         Case{"--to-v2.4 --encoding utf16", "v24utf16.mp3"},
                         Case{"--to-v2.3 --encoding utf16", "v23utf16.mp3"}}) {
        const std::string path = files.Encode(c.name, 1, 44100, 2, "-V 5");
        ASSERT_EQ(files.Run(std::string("eyeD3 ") + c.options + " -t '" + title + "' -a '" +
                            artist + "' " + c.name),
                  0);
        const auto info = ReadFile(path);
        EXPECT_STREQ(info.title, "東京\x81\x60大阪 \x81\x5C Live") << c.options;
        EXPECT_STREQ(info.artist, "ｱｰﾃｨｽﾄ & Ensemble") << c.options;
    }
}

TEST_F(EncodedFilesTest, EyeD3Id3v1Latin1) {
    const std::string path = files.Encode("v1.mp3", 1, 44100, 2, "-b 96");
    const std::string title = u8"F\u00FCr Elise";
    ASSERT_EQ(files.Run("eyeD3 -1 -t '" + title + "' -a 'Beethoven' v1.mp3"), 0);
    const auto info = ReadFile(path);
    EXPECT_STREQ(info.title, "Fur Elise");
    EXPECT_STREQ(info.artist, "Beethoven");
    EXPECT_EQ(info.tagKinds, vbmp3::kTagId3v1);
}

TEST_F(EncodedFilesTest, FfmpegMp3InsideWave) {
    files.Encode("inner.mp3", 2, 44100, 2, "-b 128");
    ASSERT_EQ(files.Run("ffmpeg -v error -i inner.mp3 -c:a copy -f wav wrapped.wav"), 0);
    const auto info = ReadFile(files.Path("wrapped.wav"));
    EXPECT_EQ(info.stream.first.sampleRate, 44100);
    EXPECT_NEAR(static_cast<double>(info.lengthMs), 2000.0, 60.0);
}

} // namespace
