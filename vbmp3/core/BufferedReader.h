// Windowed reads over a ByteSource: the parsers ask for a few bytes at an offset and get a
// pointer into one fixed buffer, so memory stays bounded whatever size a file or its tags claim.
#ifndef VBMP3_CORE_BUFFEREDREADER_H
#define VBMP3_CORE_BUFFEREDREADER_H

#include <cstddef>
#include <cstdint>
#include <vector>

#include "vbmp3/core/ByteSource.h"

namespace vbmp3 {

class BufferedReader {
public:
    static constexpr std::size_t kWindowSize = 64 * 1024;

    explicit BufferedReader(ByteSource& source);

    std::uint64_t Size() const { return m_nSize; }

    // Pointer to `count` bytes starting at `offset`, valid until the next call; nullptr when the
    // range runs past the end of the source or `count` exceeds kWindowSize.
    const std::uint8_t* At(std::uint64_t offset, std::size_t count);

    // Copies `count` bytes from `offset` (any count); false when they are not all there.
    bool CopyAt(std::uint64_t offset, std::uint8_t* dst, std::size_t count);

private:
    ByteSource& m_source; // not owned
    std::uint64_t m_nSize;
    std::vector<std::uint8_t> m_buffer;
    std::uint64_t m_nWindowStart = 0;
    std::size_t m_nWindowLength = 0;
};

} // namespace vbmp3

#endif
