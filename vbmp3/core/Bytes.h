// Integer fields as the tag and frame formats store them.
#ifndef VBMP3_CORE_BYTES_H
#define VBMP3_CORE_BYTES_H

#include <cstdint>

namespace vbmp3 {

inline std::uint32_t ReadBe32(const std::uint8_t* p) {
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) |
           p[3];
}

inline std::uint32_t ReadBe24(const std::uint8_t* p) {
    return (std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | p[2];
}

inline std::uint32_t ReadBe16(const std::uint8_t* p) {
    return (std::uint32_t{p[0]} << 8) | p[1];
}

inline std::uint32_t ReadLe32(const std::uint8_t* p) {
    return (std::uint32_t{p[3]} << 24) | (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[1]} << 8) |
           p[0];
}

// ID3v2 "synchsafe" integer: four 7-bit groups, so that no size looks like a frame sync.
inline bool IsSyncsafe32(const std::uint8_t* p) {
    return ((p[0] | p[1] | p[2] | p[3]) & 0x80) == 0;
}

inline std::uint32_t ReadSyncsafe32(const std::uint8_t* p) {
    return (std::uint32_t{p[0] & 0x7Fu} << 21) | (std::uint32_t{p[1] & 0x7Fu} << 14) |
           (std::uint32_t{p[2] & 0x7Fu} << 7) | (p[3] & 0x7Fu);
}

} // namespace vbmp3

#endif
