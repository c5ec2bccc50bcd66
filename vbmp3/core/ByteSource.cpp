#include "vbmp3/core/ByteSource.h"

#include <algorithm>
#include <cstring>

namespace vbmp3 {

std::size_t MemoryByteSource::ReadAt(std::uint64_t offset, std::uint8_t* dst, std::size_t count) {
    if (offset >= m_nSize) return 0;
    const std::size_t available = m_nSize - static_cast<std::size_t>(offset);
    const std::size_t n = std::min(count, available);
    std::memcpy(dst, m_pData + offset, n);
    return n;
}

} // namespace vbmp3
