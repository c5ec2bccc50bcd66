// Little-endian fields of the bitmap and icon file headers, written and read byte by byte so the
// files come out the same on any host.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace skingen {

inline void PutU8(std::vector<std::uint8_t>& out, unsigned v) {
    out.push_back(static_cast<std::uint8_t>(v));
}
inline void PutU16(std::vector<std::uint8_t>& out, unsigned v) {
    PutU8(out, v & 0xFF);
    PutU8(out, (v >> 8) & 0xFF);
}
inline void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}

// Reads fields at fixed offsets; a read past the end yields 0 and marks the reader as failed, so a
// parser can check once after reading a header.
class LittleEndianReader {
public:
    explicit LittleEndianReader(const std::vector<std::uint8_t>& bytes) : m_bytes(bytes) {}
    std::uint32_t U8(size_t at) {
        if (at >= m_bytes.size()) {
            m_bFailed = true;
            return 0;
        }
        return m_bytes[at];
    }
    std::uint32_t U16(size_t at) { return U8(at) | U8(at + 1) << 8; }
    std::uint32_t U32(size_t at) { return U16(at) | U16(at + 2) << 16; }
    std::int32_t S32(size_t at) { return static_cast<std::int32_t>(U32(at)); }
    bool Failed() const { return m_bFailed; }

private:
    const std::vector<std::uint8_t>& m_bytes;
    bool m_bFailed = false;
};

} // namespace skingen
