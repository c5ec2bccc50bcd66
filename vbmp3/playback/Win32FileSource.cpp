#include "vbmp3/playback/Win32FileSource.h"

#include <algorithm>

namespace vbmp3 {

Win32FileSource::Win32FileSource(const char* path)
    : m_file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                         nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN,
                         nullptr)) {
    LARGE_INTEGER size;
    if (IsOpen() && GetFileSizeEx(m_file.Get(), &size))
        m_nSize = static_cast<std::uint64_t>(size.QuadPart);
}

std::size_t Win32FileSource::ReadAt(std::uint64_t offset, std::uint8_t* dst, std::size_t count) {
    std::size_t total = 0;
    while (total < count) {
        // The offset travels in the OVERLAPPED record, so no shared file pointer is moved.
        OVERLAPPED at = {};
        at.Offset = static_cast<DWORD>(offset + total);
        at.OffsetHigh = static_cast<DWORD>((offset + total) >> 32);
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(count - total, 1u << 20));
        DWORD read = 0;
        if (!ReadFile(m_file.Get(), dst + total, chunk, &read, &at) || read == 0) break;
        total += read;
    }
    return total;
}

} // namespace vbmp3
