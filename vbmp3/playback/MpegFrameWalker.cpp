#include "vbmp3/playback/MpegFrameWalker.h"

namespace vbmp3 {

MpegFrameWalker::MpegFrameWalker(ByteSource& source, std::uint64_t begin, std::uint64_t end)
    : m_reader(source), m_nPos(begin), m_nEnd(end < m_reader.Size() ? end : m_reader.Size()) {}

std::optional<MpegFrameHeader> MpegFrameWalker::LayerThreeHeaderAt(std::uint64_t offset) {
    if (offset >= m_nEnd || m_nEnd - offset < 4) return std::nullopt;
    const std::uint8_t* p = m_reader.At(offset, 4);
    std::optional<MpegFrameHeader> header = p ? ParseMpegFrameHeader(p) : std::nullopt;
    if (header && header->layer != 3) return std::nullopt;
    return header;
}

bool MpegFrameWalker::IsWholeFrame(std::uint64_t offset, const MpegFrameHeader& header) {
    const std::uint64_t bytes = static_cast<std::uint64_t>(header.frameBytes);
    if (bytes > m_nEnd - offset) return false; // the last frame, cut off: nothing to decode
    const std::uint64_t next = offset + bytes;
    if (next == m_nEnd || LayerThreeHeaderAt(next)) return true;
    return !FindFirstFrame(m_reader, next, m_nEnd);
}

std::optional<MpegFrame> MpegFrameWalker::Next() {
    while (m_nPos < m_nEnd) {
        const std::optional<MpegFrameHeader> header = LayerThreeHeaderAt(m_nPos);
        if (header && IsWholeFrame(m_nPos, *header)) {
            const std::uint64_t offset = m_nPos;
            const std::uint8_t* bytes =
                m_reader.At(offset, static_cast<std::size_t>(header->frameBytes));
            if (!bytes) { // the source cannot be read any more: the audio ends here
                m_nPos = m_nEnd;
                break;
            }
            m_nPos += static_cast<std::uint64_t>(header->frameBytes);
            return MpegFrame{offset, *header, bytes};
        }
        const std::optional<std::uint64_t> resync = FindFirstFrame(m_reader, m_nPos + 1, m_nEnd);
        const std::uint64_t to = resync ? *resync : m_nEnd;
        m_nSkipped += to - m_nPos;
        m_nPos = to;
    }
    return std::nullopt;
}

std::uint64_t AudioBegin(const StreamFacts& facts) {
    // The summary frame is silence that encoders put in place of audio: it is not decoded.
    return facts.firstFrameOffset +
           (facts.hasSummaryFrame ? static_cast<std::uint64_t>(facts.first.frameBytes) : 0);
}

std::uint64_t AudioEnd(const StreamFacts& facts) {
    return AudioBegin(facts) + facts.audioBytes;
}

} // namespace vbmp3
