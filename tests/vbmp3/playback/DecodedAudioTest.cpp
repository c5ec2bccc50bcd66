// What the library decodes (the path that playback and mp3towav share) against mpg123's
// decoding of the same lame-made files: zero offset, at most one LSB apart, exact lengths.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "tests/vbmp3/playback/support/PlaybackSamples.h"
#include "vbmp3/playback/AudioOutput.h"
#include "vbmp3/playback/DecodedStream.h"
#include "vbmp3/playback/PlayableFile.h"

namespace {

using vbmp3test::Pcm;
using vbmp3test::PcmWithin;
using vbmp3test::PlaybackSample;
using vbmp3test::ReadWavFile;

// The stream's PCM, one Pcm per run of one format.
std::vector<Pcm> Decode(const std::string& name) {
    std::unique_ptr<vbmp3::PlayableFile> file =
        vbmp3::PlayableFile::Open(PlaybackSample(name).c_str());
    EXPECT_TRUE(file) << name;
    std::vector<Pcm> runs;
    if (!file) return runs;
    vbmp3::DecodedStream stream(file->Source(), file->Facts());
    std::vector<std::int16_t> buffer(vbmp3::kBufferFrames * 2);
    vbmp3::PcmFormat format;
    while (const std::size_t frames = stream.Read(buffer.data(), vbmp3::kBufferFrames, format)) {
        if (runs.empty() || runs.back().sampleRate != format.sampleRate ||
            runs.back().channels != format.channels)
            runs.push_back(Pcm{format.sampleRate, format.channels, {}});
        runs.back().samples.insert(runs.back().samples.end(), buffer.begin(),
                                   buffer.begin() +
                                       static_cast<std::ptrdiff_t>(frames * format.channels));
    }
    return runs;
}

TEST(DecodedAudio, EqualsTheReferenceDecodingOfEveryOrdinaryFile) {
    for (const std::string name : {"cbr44", "vbr48", "mono22", "mono8", "notag", "tagged"}) {
        const std::vector<Pcm> runs = Decode(name + ".mp3");
        ASSERT_EQ(runs.size(), 1u) << name;
        const Pcm reference = ReadWavFile(PlaybackSample(name + ".ref.wav"));
        ASSERT_GT(reference.Frames(), 0u) << name;
        EXPECT_TRUE(PcmWithin(runs[0], reference, 1)) << name;
    }
}

TEST(DecodedAudio, TrimmingGivesExactlyTheSamplesThatWereEncoded) {
    for (const std::string name : {"cbr44", "vbr48", "mono22", "mono8"}) {
        const std::vector<Pcm> runs = Decode(name + ".mp3");
        ASSERT_EQ(runs.size(), 1u) << name;
        EXPECT_EQ(runs[0].Frames(), ReadWavFile(PlaybackSample(name + ".src.wav")).Frames())
            << name;
    }
}

TEST(DecodedAudio, DamagedFramesAreSkippedAndDecodingGoesOn) {
    // damaged.mp3 is cbr44.mp3 with junk after audio frame 39 and audio frame 79 cut short:
    // both frames go, and with them the padding trim, which now ends past the audio.
    const std::vector<Pcm> runs = Decode("damaged.mp3");
    ASSERT_EQ(runs.size(), 1u);
    const Pcm reference = ReadWavFile(PlaybackSample("cbr44.ref.wav"));
    const std::size_t frameSamples = 1152, delay = 529 + 576, skipped = 2 * frameSamples;
    EXPECT_EQ(runs[0].Frames(), 126 * frameSamples - delay);
    const std::size_t beforeDamage = 39 * frameSamples - delay;
    EXPECT_TRUE(PcmWithin(runs[0].Slice(0, beforeDamage), reference.Slice(0, beforeDamage), 1));
    // The frames after a gap miss the bit reservoir bytes that lay in the skipped frame, and the
    // filterbanks carry that into the next frames: a few frames on, the decoder is in step again.
    // Its dither noise is no longer the reference's (a few LSB), where a shift by one sample
    // would differ by hundreds.
    const std::size_t from = 85 * frameSamples - delay - skipped;
    const std::size_t count = reference.Frames() - skipped - from;
    EXPECT_TRUE(PcmWithin(runs[0].Slice(from, count), reference.Slice(from + skipped, count), 4));
}

TEST(DecodedAudio, AChangeOfFormatReopensTheDecoder) {
    // changing.mp3 is first.mp3 (44.1 kHz stereo) then second.mp3 (22.05 kHz mono).
    const std::vector<Pcm> runs = Decode("changing.mp3");
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_TRUE(PcmWithin(runs[0], ReadWavFile(PlaybackSample("first.ref.wav")), 1));
    // The first file's LAME tag does not describe the second, which plays untrimmed: its summary
    // frame (576 samples of silence), the decoder's delay and its encoder's delay come first.
    const Pcm second = ReadWavFile(PlaybackSample("second.ref.wav"));
    const std::size_t lead = 576 + 529 + 576;
    ASSERT_EQ(runs[1].sampleRate, 22050);
    ASSERT_GE(runs[1].Frames(), lead + second.Frames());
    EXPECT_TRUE(PcmWithin(runs[1].Slice(lead, second.Frames()), second, 4));
}

} // namespace
