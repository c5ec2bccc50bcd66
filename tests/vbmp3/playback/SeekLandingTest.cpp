// Where a seek lands and what it then decodes, against the library's own decoding of the whole
// file from its start: the same PCM from the landing frame on, within the codec's dither.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "tests/vbmp3/playback/support/PlaybackSamples.h"
#include "vbmp3/playback/AudioOutput.h"
#include "vbmp3/playback/DecodedStream.h"
#include "vbmp3/playback/PlayStart.h"
#include "vbmp3/playback/PlayableFile.h"

namespace {

using vbmp3test::Pcm;
using vbmp3test::PcmWithin;
using vbmp3test::PlaybackSample;

// A fresh codec starts its dither afresh; over the frames decoded before the landing one the
// bit reservoir and the filterbanks come into step, so only the dither differs from a play from
// the start: at most 4 LSB over seeks every 37 ms in every sample file, and as much at the end of
// the file as after the landing. Without the reservoir the landing frame is off by thousands.
constexpr int kRestartLsb = 4;

Pcm ReadAll(vbmp3::DecodedStream& stream) {
    Pcm pcm;
    std::vector<std::int16_t> buffer(vbmp3::kBufferFrames * 2);
    vbmp3::PcmFormat format;
    while (const std::size_t frames = stream.Read(buffer.data(), vbmp3::kBufferFrames, format)) {
        pcm.sampleRate = format.sampleRate;
        pcm.channels = format.channels;
        pcm.samples.insert(pcm.samples.end(), buffer.begin(),
                           buffer.begin() + static_cast<std::ptrdiff_t>(frames * format.channels));
    }
    return pcm;
}

// The first heard sample of the frame that holds heard sample `sample`: frames are counted from
// the first audio frame, in front of which lie the decoder's and the encoder's delay.
std::size_t LandingSample(const vbmp3::StreamFacts& facts, std::size_t sample) {
    const std::size_t lead = facts.hasLameTag ? 529 + facts.encoderDelay : 0;
    const std::size_t perFrame = facts.first.samplesPerFrame;
    const std::size_t frameStart = (sample + lead) / perFrame * perFrame;
    return frameStart > lead ? frameStart - lead : 0;
}

TEST(SeekLanding, DecodesFromTheFrameThatHoldsTheTimeAsAPlayFromTheStartWould) {
    // CBR; VBR with a Xing header and LAME tag; VBR with neither; MPEG-2 (one granule a frame).
    for (const std::string name : {"cbr44", "vbr48", "vbrbare", "mono22"}) {
        std::unique_ptr<vbmp3::PlayableFile> file =
            vbmp3::PlayableFile::Open(PlaybackSample(name + ".mp3").c_str());
        ASSERT_TRUE(file) << name;
        const vbmp3::StreamFacts& facts = file->Facts();
        vbmp3::DecodedStream whole(file->Source(), facts);
        const Pcm reference = ReadAll(whole);
        const int rate = reference.sampleRate;
        const std::int64_t lastMs = static_cast<std::int64_t>(reference.Frames() - 1) * 1000 / rate;
        // The start, inside the first frame, inside the delay's frames, the middle and inside
        // the last frame; backwards as well, so the index is reused as well as extended.
        for (const std::int64_t ms : {lastMs, std::int64_t{0}, std::int64_t{10}, std::int64_t{40},
                                      lastMs / 2, lastMs / 2 + 13, std::int64_t{-500}}) {
            std::optional<vbmp3::PlayStart> start =
                vbmp3::SeekTo(facts, file->Index(), file->Source(), ms);
            ASSERT_TRUE(start) << name << " " << ms;
            const std::size_t landing = LandingSample(
                facts, static_cast<std::size_t>(std::max<std::int64_t>(ms, 0)) * rate / 1000);
            EXPECT_EQ(start->heardMicroseconds, landing * 1000000ull / rate) << name << " " << ms;
            vbmp3::DecodedStream stream(file->Source(), facts, start->decodeFrom, start->trim,
                                        &file->Index());
            EXPECT_TRUE(PcmWithin(ReadAll(stream),
                                  reference.Slice(landing, reference.Frames() - landing),
                                  kRestartLsb))
                << name << " " << ms;
        }
        EXPECT_FALSE(vbmp3::SeekTo(facts, file->Index(), file->Source(), lastMs + 30)) << name;
        EXPECT_FALSE(vbmp3::SeekTo(facts, file->Index(), file->Source(), 1 << 30)) << name;
    }
}

} // namespace
