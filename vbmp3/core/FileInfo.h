// Everything the library reports about one MP3 file without decoding it.
#ifndef VBMP3_CORE_FILEINFO_H
#define VBMP3_CORE_FILEINFO_H

#include <cstddef>
#include <cstdint>

#include "vbmp3/core/ByteSource.h"
#include "vbmp3/core/MpegStream.h"

namespace vbmp3 {

constexpr std::size_t kTextFieldSize = 128; // bytes, zero terminator included

// Which tags the file has (bits of FileInfo::tagKinds).
constexpr unsigned kTagId3v1 = 1, kTagId3v2 = 2, kTagApe = 4, kTagLyrics3 = 8;

struct FileInfo {
    // Code page 932, zero-terminated, cut at a character boundary, control codes as spaces.
    // Taken field by field from ID3v2, then APE, then ID3v1; empty when no tag has the field.
    char title[kTextFieldSize];
    char artist[kTextFieldSize];
    char album[kTextFieldSize];
    unsigned tagKinds;
    StreamFacts stream;
    std::uint64_t lengthMs; // playing time, truncated
};

// Reads the tags and measures the audio of the file in `source`. Returns false, leaving `info`
// unspecified, when the source holds no MPEG audio stream (empty, not MPEG, a RIFF file of
// another format); true otherwise, even when the tags are damaged. Memory use is bounded by
// fixed buffers whatever the file's size fields say; the source is read, never written. Any
// thread may call it on its own source and FileInfo.
bool ReadFileInfo(ByteSource& source, FileInfo& info);

} // namespace vbmp3

#endif
