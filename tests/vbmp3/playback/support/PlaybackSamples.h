// The files that make-playback-files.sh made, and their PCM, for the Wine tests.
#ifndef TESTS_VBMP3_PLAYBACK_SUPPORT_PLAYBACKSAMPLES_H
#define TESTS_VBMP3_PLAYBACK_SUPPORT_PLAYBACKSAMPLES_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace vbmp3test {

// Windows path of a sample file; the folder comes as a Linux path in VBMP3_PLAYBACK_FILES.
std::string PlaybackSample(const std::string& name);

struct Pcm {
    int sampleRate = 0;
    int channels = 0;
    std::vector<std::int16_t> samples; // interleaved

    std::size_t Frames() const { return channels ? samples.size() / channels : 0; }
    // `count` frames from frame `first` (fewer at the end).
    Pcm Slice(std::size_t first, std::size_t count) const;
    Pcm& operator+=(const Pcm& more);
};

// The samples of a 16-bit PCM WAV file; empty when it cannot be read.
Pcm ReadWavFile(const std::string& path);

// Success when `actual` has the format and length of `expected` and no sample differs by more
// than `lsb`; the failure says what differs.
::testing::AssertionResult PcmWithin(const Pcm& actual, const Pcm& expected, int lsb);

} // namespace vbmp3test

#endif
