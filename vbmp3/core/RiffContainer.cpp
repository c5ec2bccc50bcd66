#include "vbmp3/core/RiffContainer.h"

#include <algorithm>
#include <cstring>

#include "vbmp3/core/Bytes.h"

namespace vbmp3 {

std::optional<RiffAudio> FindRiffAudio(BufferedReader& reader) {
    constexpr std::size_t kChunkHeaderSize = 8;
    const std::uint8_t* p = reader.At(0, 12);
    if (!p || std::memcmp(p, "RIFF", 4) != 0 || std::memcmp(p + 8, "WAVE", 4) != 0)
        return std::nullopt;
    const std::uint64_t fileEnd = reader.Size();
    std::optional<std::uint64_t> id3Chunk;
    std::uint16_t formatTag = 0;
    // Every chunk moves the position forward by at least its header, so this ends.
    for (std::uint64_t pos = 12; pos + kChunkHeaderSize <= fileEnd;) {
        const std::uint8_t* h = reader.At(pos, kChunkHeaderSize);
        if (!h) return std::nullopt;
        const std::uint64_t size = ReadLe32(h + 4);
        const std::uint64_t body = pos + kChunkHeaderSize;
        if (std::memcmp(h, "data", 4) == 0)
            return RiffAudio{formatTag, body, std::min(body + size, fileEnd), id3Chunk};
        if (std::memcmp(h, "fmt ", 4) == 0 && size >= 2) {
            const std::uint8_t* tag = reader.At(body, 2);
            if (tag) formatTag = static_cast<std::uint16_t>(tag[0] | tag[1] << 8);
        }
        if (std::memcmp(h, "id3 ", 4) == 0 || std::memcmp(h, "ID3 ", 4) == 0) id3Chunk = body;
        pos = body + size + (size & 1); // chunks are padded to an even size
    }
    return std::nullopt;
}

} // namespace vbmp3
