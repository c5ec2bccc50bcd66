#include "vbmp3/playback/WavHeader.h"

#include <algorithm>
#include <cstring>

namespace vbmp3 {
namespace {

void PutLe32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

void PutLe16(std::uint8_t* p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

} // namespace

std::array<std::uint8_t, kWavHeaderBytes> MakeWavHeader(const PcmFormat& format,
                                                        std::uint64_t dataBytes) {
    // The RIFF size field counts the 36 header bytes after it as well, within 32 bits.
    const std::uint32_t data =
        static_cast<std::uint32_t>(std::min<std::uint64_t>(dataBytes, 0xFFFFFFFFu - 36));
    const std::uint32_t blockAlign = static_cast<std::uint32_t>(format.BytesPerFrame());
    std::array<std::uint8_t, kWavHeaderBytes> h{};
    std::memcpy(&h[0], "RIFF", 4);
    PutLe32(&h[4], 36 + data);
    std::memcpy(&h[8], "WAVEfmt ", 8);
    PutLe32(&h[16], 16);
    PutLe16(&h[20], 1); // PCM
    PutLe16(&h[22], static_cast<std::uint32_t>(format.channels));
    PutLe32(&h[24], static_cast<std::uint32_t>(format.sampleRate));
    PutLe32(&h[28], static_cast<std::uint32_t>(format.sampleRate) * blockAlign);
    PutLe16(&h[32], blockAlign);
    PutLe16(&h[34], 16);
    std::memcpy(&h[36], "data", 4);
    PutLe32(&h[40], data);
    return h;
}

} // namespace vbmp3
