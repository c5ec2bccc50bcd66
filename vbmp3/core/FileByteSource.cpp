#include "vbmp3/core/FileByteSource.h"

namespace vbmp3 {

FileByteSource::FileByteSource(const std::string& path) : m_file(path, std::ios::binary) {
    if (!m_file.is_open()) return;
    m_file.seekg(0, std::ios::end);
    const std::streamoff size = m_file.tellg();
    m_nSize = size > 0 ? static_cast<std::uint64_t>(size) : 0;
}

std::size_t FileByteSource::ReadAt(std::uint64_t offset, std::uint8_t* dst, std::size_t count) {
    if (!m_file.is_open() || offset >= m_nSize) return 0;
    m_file.clear();
    m_file.seekg(static_cast<std::streamoff>(offset));
    m_file.read(reinterpret_cast<char*>(dst), static_cast<std::streamsize>(count));
    return static_cast<std::size_t>(m_file.gcount());
}

} // namespace vbmp3
