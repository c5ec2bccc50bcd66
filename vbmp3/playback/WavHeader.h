// The 44-byte header of a canonical PCM WAV file, for the capture file and the decode tool.
#ifndef VBMP3_PLAYBACK_WAVHEADER_H
#define VBMP3_PLAYBACK_WAVHEADER_H

#include <array>
#include <cstddef>
#include <cstdint>

#include "vbmp3/playback/PcmFormat.h"

namespace vbmp3 {

constexpr std::size_t kWavHeaderBytes = 44;

// RIFF/WAVE with one "fmt " chunk (PCM, 16 bits) and the "data" chunk's header for `dataBytes`
// bytes of samples. Sizes past what a RIFF file can state are clamped to its limit.
std::array<std::uint8_t, kWavHeaderBytes> MakeWavHeader(const PcmFormat& format,
                                                        std::uint64_t dataBytes);

} // namespace vbmp3

#endif
