// The Layer III frames of a stream, one whole frame at a time, as the decoder is fed.
#ifndef VBMP3_PLAYBACK_MPEGFRAMEWALKER_H
#define VBMP3_PLAYBACK_MPEGFRAMEWALKER_H

#include <cstdint>
#include <optional>

#include "vbmp3/core/BufferedReader.h"
#include "vbmp3/core/ByteSource.h"
#include "vbmp3/core/MpegFrameHeader.h"
#include "vbmp3/core/MpegStream.h"

namespace vbmp3 {

struct MpegFrame {
    std::uint64_t offset;
    MpegFrameHeader header;
    const std::uint8_t* bytes; // header.frameBytes bytes, valid until the walker moves on
};

// Walks [begin, end) of `source` from frame to frame. What is not a whole frame is stepped over
// and the walk resynchronises on the next frame that a following frame confirms: junk and tags
// between frames, frames of other layers, and a frame that damage has cut short. A frame counts
// as cut short when its end is neither the end of the audio nor the start of another frame
// while more frames follow later; the last frame before trailing junk is kept.
class MpegFrameWalker {
public:
    MpegFrameWalker(ByteSource& source, std::uint64_t begin, std::uint64_t end);

    // The next whole frame; nothing at the end of the audio.
    std::optional<MpegFrame> Next();

    // Bytes stepped over so far.
    std::uint64_t SkippedBytes() const { return m_nSkipped; }

private:
    std::optional<MpegFrameHeader> LayerThreeHeaderAt(std::uint64_t offset);
    bool IsWholeFrame(std::uint64_t offset, const MpegFrameHeader& header);

    BufferedReader m_reader;
    std::uint64_t m_nPos;
    std::uint64_t m_nEnd;
    std::uint64_t m_nSkipped = 0;
};

// Where the audio frames of a measured stream lie: from the first frame after the summary frame
// (if there is one) to the end of the audio.
std::uint64_t AudioBegin(const StreamFacts& facts);
std::uint64_t AudioEnd(const StreamFacts& facts);

} // namespace vbmp3

#endif
