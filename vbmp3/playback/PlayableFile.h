// The file that vbmp3_open opened: held open, measured once, and known to be decodable.
#ifndef VBMP3_PLAYBACK_PLAYABLEFILE_H
#define VBMP3_PLAYBACK_PLAYABLEFILE_H

#include <memory>

#include "vbmp3/core/MpegStream.h"
#include "vbmp3/playback/FrameIndex.h"
#include "vbmp3/playback/Win32FileSource.h"
#include "vbmp3/playback/PcmFormat.h"

namespace vbmp3 {

class PlayableFile {
public:
    // Opens `path` (system code page) for reading, shared with other readers and writers.
    // nullptr when it cannot be played: it cannot be opened, holds no MPEG audio, its audio is
    // not Layer III, it has no audio frame, or no installed ACM codec decodes its format.
    static std::unique_ptr<PlayableFile> Open(const char* path);

    ByteSource& Source() { return m_source; }
    const StreamFacts& Facts() const { return m_facts; }
    // The PCM format of the first frame: what the output device is opened for.
    PcmFormat Format() const { return PcmFormatOf(m_facts.first); }
    // Where its frames start, as far as plays and seeks have found them.
    FrameIndex& Index() { return *m_index; }

private:
    explicit PlayableFile(const char* path) : m_source(path) {}

    Win32FileSource m_source; // the file's handle, open as long as this object
    StreamFacts m_facts;
    std::unique_ptr<FrameIndex> m_index; // made once the file is measured
};

} // namespace vbmp3

#endif
