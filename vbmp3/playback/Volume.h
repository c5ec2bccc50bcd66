// The library's volume: a percentage as vbmp3_setVolume takes it, and the output device's level
// (0..0xFFFF, the same on both channels) that gives it. Loudness follows amplitude roughly as a
// power law, so the level grows with the square of the percentage: steps of 5 % sound about even,
// where a linear level would crowd the audible change into the lowest steps.
#ifndef VBMP3_PLAYBACK_VOLUME_H
#define VBMP3_PLAYBACK_VOLUME_H

#include <cstdint>

namespace vbmp3 {

constexpr int kFullVolumePercent = 100;
constexpr std::uint16_t kFullVolumeLevel = 0xFFFF;

constexpr std::uint16_t VolumeLevel(int percent) {
    const long p = percent < 0 ? 0 : percent > kFullVolumePercent ? kFullVolumePercent : percent;
    // Rounded to the nearest level: 50 % is a quarter of the amplitude.
    return static_cast<std::uint16_t>((p * p * kFullVolumeLevel + 5000) / 10000);
}

static_assert(VolumeLevel(100) == 0xFFFF && VolumeLevel(0) == 0 && VolumeLevel(50) == 0x4000,
              "full, silent, and a quarter of the amplitude at half the percentage");

} // namespace vbmp3

#endif
