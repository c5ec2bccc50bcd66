// Where each audio frame of the open file starts, so that a seek lands on an exact frame in CBR
// and VBR files alike (a Xing/VBRI table of contents is only a coarse guide, and many files have
// none). Filled as far as it is needed: by the play (every frame the playback thread decodes is
// noted) and by a seek past what is known, which walks on from the last known frame with the
// same resynchronising walk as the play, so both find the same frames.
//
// Only the frames of the stream's first format are indexed: a stream whose sample rate or channel
// count changes ends, for seeking, where the change is.
#ifndef VBMP3_PLAYBACK_FRAMEINDEX_H
#define VBMP3_PLAYBACK_FRAMEINDEX_H

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "vbmp3/core/ByteSource.h"
#include "vbmp3/core/MpegStream.h"
#include "vbmp3/playback/MpegFrameWalker.h"

namespace vbmp3 {

class FrameIndex {
public:
    explicit FrameIndex(const StreamFacts& facts);

    // A frame that a walk over the stream met. Noted when it is the next one after the last
    // known frame: walks start on a known frame and go in order, so a frame past the last known
    // one follows it directly.
    void Note(const MpegFrame& frame);

    // The offset of audio frame `n` (0: the first after the summary frame), walking `source`
    // on from the last known frame as far as needed; nothing when the stream has fewer frames.
    std::optional<std::uint64_t> OffsetOf(ByteSource& source, std::size_t n);

    // Bytes of frame `n` (with any junk up to the next frame); `n` must be known.
    std::uint64_t SpanOf(std::size_t n) const;
    std::size_t KnownFrames() const { return m_offsets.size(); }

private:
    bool SameFormat(const MpegFrameHeader& header) const;

    const std::uint64_t m_nBegin;
    const std::uint64_t m_nEnd;
    const MpegFrameHeader m_first;
    std::vector<std::uint64_t> m_offsets; // of frames 0, 1, ...: 8 bytes a frame, 1 MB an hour
    std::uint64_t m_nLastEnd = 0;         // where the last known frame ends
    bool m_bComplete = false;             // the walk reached the end or a change of format
};

} // namespace vbmp3

#endif
