// A PCM WAV file written as it grows. The header's sizes are brought up to date after every
// append, so the file is complete whenever someone reads it, also after a crash.
#ifndef VBMP3_PLAYBACK_WAVFILEWRITER_H
#define VBMP3_PLAYBACK_WAVFILEWRITER_H

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <memory>

#include "vbmp3/playback/PcmFormat.h"
#include "vbmp3/playback/UniqueHandle.h"

namespace vbmp3 {

class WavFileWriter {
public:
    // Creates (or replaces) the file at `path` (system code page); nullptr when it cannot.
    static std::unique_ptr<WavFileWriter> Create(const char* path, const PcmFormat& format);
    WavFileWriter(const WavFileWriter&) = delete;
    WavFileWriter& operator=(const WavFileWriter&) = delete;

    // Appends `frames` PCM frames of the file's format; false on a write error.
    bool Append(const std::int16_t* pcm, std::size_t frames);
    PcmFormat Format() const { return m_format; }

private:
    WavFileWriter(UniqueHandle file, const PcmFormat& format);
    bool WriteAt(std::uint64_t offset, const void* data, std::size_t bytes);

    UniqueHandle m_file;
    PcmFormat m_format;
    std::uint64_t m_nDataBytes = 0;
};

} // namespace vbmp3

#endif
