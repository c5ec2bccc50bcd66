#include "vbmp3/core/BufferedReader.h"

#include <algorithm>
#include <cstring>

namespace vbmp3 {

BufferedReader::BufferedReader(ByteSource& source)
    : m_source(source), m_nSize(source.Size()), m_buffer(kWindowSize) {}

const std::uint8_t* BufferedReader::At(std::uint64_t offset, std::size_t count) {
    if (count > kWindowSize || offset > m_nSize || count > m_nSize - offset) return nullptr;
    const bool inWindow =
        offset >= m_nWindowStart && offset - m_nWindowStart + count <= m_nWindowLength;
    if (!inWindow) {
        m_nWindowStart = offset;
        m_nWindowLength = m_source.ReadAt(offset, m_buffer.data(), kWindowSize);
        if (m_nWindowLength < count) return nullptr; // read error inside the file
    }
    return m_buffer.data() + (offset - m_nWindowStart);
}

bool BufferedReader::CopyAt(std::uint64_t offset, std::uint8_t* dst, std::size_t count) {
    while (count > 0) {
        const std::size_t chunk = std::min(count, kWindowSize);
        const std::uint8_t* p = At(offset, chunk);
        if (!p) return false;
        std::memcpy(dst, p, chunk);
        dst += chunk;
        offset += chunk;
        count -= chunk;
    }
    return true;
}

} // namespace vbmp3
