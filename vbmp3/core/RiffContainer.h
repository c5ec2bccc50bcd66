// MPEG audio stored in a RIFF/WAVE file: the "data" chunk holds the frames.
#ifndef VBMP3_CORE_RIFFCONTAINER_H
#define VBMP3_CORE_RIFFCONTAINER_H

#include <cstdint>
#include <optional>

#include "vbmp3/core/BufferedReader.h"

namespace vbmp3 {

constexpr std::uint16_t kWaveFormatMpeg = 0x0050; // layers I and II
constexpr std::uint16_t kWaveFormatMpegLayer3 = 0x0055;

struct RiffAudio {
    std::uint16_t formatTag; // of the "fmt " chunk before the data, 0 when there was none
    std::uint64_t dataBegin;
    std::uint64_t dataEnd;                 // cut to the file's end when the chunk claims more
    std::optional<std::uint64_t> id3Chunk; // an ID3v2 tag stored as an "id3 " chunk
};

// The audio chunk of a RIFF/WAVE file; nothing when the file is not one or has no data chunk.
std::optional<RiffAudio> FindRiffAudio(BufferedReader& reader);

} // namespace vbmp3

#endif
