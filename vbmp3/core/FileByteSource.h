// A ByteSource over a file opened with the C++ library: the native tool and tests use it; the
// DLL opens files through Win32 instead, so that paths are taken in the system code page.
#ifndef VBMP3_CORE_FILEBYTESOURCE_H
#define VBMP3_CORE_FILEBYTESOURCE_H

#include <fstream>
#include <string>

#include "vbmp3/core/ByteSource.h"

namespace vbmp3 {

class FileByteSource final : public ByteSource {
public:
    explicit FileByteSource(const std::string& path);
    bool IsOpen() const { return m_file.is_open(); }
    std::uint64_t Size() const override { return m_nSize; }
    std::size_t ReadAt(std::uint64_t offset, std::uint8_t* dst, std::size_t count) override;

private:
    std::ifstream m_file; // owned; closed by its destructor
    std::uint64_t m_nSize = 0;
};

} // namespace vbmp3

#endif
