// A ByteSource over a file opened through Win32.
#ifndef VBMP3_DLL_WIN32FILESOURCE_H
#define VBMP3_DLL_WIN32FILESOURCE_H

#include <windows.h>

#include "vbmp3/core/ByteSource.h"
#include "vbmp3/playback/UniqueHandle.h"

namespace vbmp3 {

class Win32FileSource final : public ByteSource {
public:
    // Opens `path` for reading, sharing it with other readers and writers. The path is taken in
    // the system code page (CreateFileA), which is what the player hands over: it comes from
    // the ANSI file dialog and drop functions.
    explicit Win32FileSource(const char* path);
    Win32FileSource(const Win32FileSource&) = delete;
    Win32FileSource& operator=(const Win32FileSource&) = delete;

    bool IsOpen() const { return static_cast<bool>(m_file); }
    std::uint64_t Size() const override { return m_nSize; }
    std::size_t ReadAt(std::uint64_t offset, std::uint8_t* dst, std::size_t count) override;

private:
    UniqueHandle m_file;
    std::uint64_t m_nSize = 0;
};

} // namespace vbmp3

#endif
