// Where a play of the open file starts: at its start (vbmp3_play) or on the frame where a seek
// lands (vbmp3_seek). A seek lands on the start of the frame whose decoded PCM holds the time
// asked for, and decodes from a few frames before it, so that the frames before the landing
// one have their bit reservoir and the filterbank its history, as in a play from the start;
// their PCM is dropped.
#ifndef VBMP3_PLAYBACK_PLAYSTART_H
#define VBMP3_PLAYBACK_PLAYSTART_H

#include <cstdint>
#include <optional>

#include "vbmp3/core/ByteSource.h"
#include "vbmp3/core/MpegStream.h"
#include "vbmp3/playback/FrameIndex.h"
#include "vbmp3/playback/GaplessTrim.h"

namespace vbmp3 {

struct PlayStart {
    std::uint64_t decodeFrom = 0;        // offset of the first frame fed to a fresh decoder
    GaplessTrim trim;                    // which of the decoded PCM frames are played
    std::uint64_t heardMicroseconds = 0; // the playing time of the first one played
    bool paused = false;                 // queued on the paused device, heard on resume
    bool afterSeek = false;              // the file has played before: its end counts as heard
};

// The file from its start, trimmed as its LAME tag says.
PlayStart StartOfFile(const StreamFacts& facts);

// The play from the frame that holds `milliseconds` (as heard: 0 is the first sample after the
// trimmed delay; negative counts as 0), extending `index` over `source` as far as needed.
// Nothing when the time is at or past the end of the audio.
std::optional<PlayStart> SeekTo(const StreamFacts& facts, FrameIndex& index, ByteSource& source,
                                std::int64_t milliseconds);

// A play that ends at once, as the file's own end would, at its whole length.
PlayStart EndOfFile(const StreamFacts& facts);

} // namespace vbmp3

#endif
