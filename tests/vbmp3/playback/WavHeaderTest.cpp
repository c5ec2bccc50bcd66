// The header of the capture file and of the decode tool's output. Its fields are read back by the
// Wine tests (capture, mp3towav); here, what only hours of capture would reach: RIFF's 4 GB limit.
#include <gtest/gtest.h>

#include "vbmp3/playback/WavHeader.h"

namespace {

std::uint32_t Le32(const std::uint8_t* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

TEST(WavHeader, SizesPastWhatRiffCanStateAreClampedConsistently) {
    const auto small = vbmp3::MakeWavHeader({22050, 1}, 1000);
    EXPECT_EQ(Le32(&small[4]), 1036u); // the RIFF size counts the rest of the header
    EXPECT_EQ(Le32(&small[40]), 1000u);
    const auto huge = vbmp3::MakeWavHeader({44100, 2}, 1ull << 33);
    EXPECT_EQ(Le32(&huge[4]), 0xFFFFFFFFu);
    EXPECT_EQ(Le32(&huge[40]), 0xFFFFFFFFu - 36);
}

} // namespace
