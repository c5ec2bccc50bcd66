// The PCM of an MP3 stream as the library plays it: the Layer III frames from the first audio
// frame on, decoded through ACM to 16-bit PCM, with the LAME tag's delay and padding trimmed.
// Playback and the decode-to-WAV tool both read it, so the tool writes what would be played.
#ifndef VBMP3_PLAYBACK_DECODEDSTREAM_H
#define VBMP3_PLAYBACK_DECODEDSTREAM_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "vbmp3/core/ByteSource.h"
#include "vbmp3/core/MpegStream.h"
#include "vbmp3/playback/AcmMp3Decoder.h"
#include "vbmp3/playback/FrameIndex.h"
#include "vbmp3/playback/GaplessTrim.h"
#include "vbmp3/playback/MpegFrameWalker.h"
#include "vbmp3/playback/PcmFormat.h"

namespace vbmp3 {

class DecodedStream {
public:
    // Reads `source` (which must outlive the stream) as `facts` measured it, from its start.
    DecodedStream(ByteSource& source, const StreamFacts& facts);
    // Reads from the frame at `from` on, trimmed by `trim`, and notes each frame it meets in
    // `index` (when given; it must outlive the stream).
    DecodedStream(ByteSource& source, const StreamFacts& facts, std::uint64_t from,
                  const GaplessTrim& trim, FrameIndex* index);

    // Writes up to `maxFrames` PCM frames into `pcm`, all of one format, which goes to `format`,
    // and returns how many; 0 at the end of the stream. A change of sample rate or channel count
    // reopens the decoder; the PCM before the change is handed out first, and the trim ends
    // there, since the LAME tag describes only the stream that it heads. Frames the decoder
    // rejects are skipped, and the decoder is reopened for the next one.
    std::size_t Read(std::int16_t* pcm, std::size_t maxFrames, PcmFormat& format);

    // Frames that no decoder accepted, and bytes that held no frame (damage).
    unsigned RejectedFrames() const { return m_nRejected; }
    std::uint64_t SkippedBytes() const { return m_walker.SkippedBytes(); }

private:
    // Decodes one more frame into m_pending; false when the format changes and the PCM pending
    // of the old format has to go out first.
    bool DecodeNextFrame();
    void FinishDecoder();
    void AppendTrimmed();
    std::size_t PendingFrames() const;

    MpegFrameWalker m_walker;
    FrameIndex* m_pIndex; // not owned; may be null
    GaplessTrim m_trim;
    std::unique_ptr<AcmMp3Decoder> m_decoder; // reopened after an error or a change of format
    PcmFormat m_format;                       // of the frames being decoded and of m_pending
    std::optional<MpegFrame> m_heldFrame;     // first frame of a new format, not decoded yet
    std::vector<std::int16_t> m_decoded;      // the decoder's output before trimming
    std::vector<std::int16_t> m_pending;      // trimmed, not handed out yet
    std::size_t m_nPendingRead = 0;           // samples of m_pending handed out already
    bool m_bEnded = false;
    unsigned m_nRejected = 0;
};

} // namespace vbmp3

#endif
