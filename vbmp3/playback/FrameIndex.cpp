#include "vbmp3/playback/FrameIndex.h"

namespace vbmp3 {

// Nothing is reserved up front: most files are never sought in, and the play fills the index
// only as far as it gets.
FrameIndex::FrameIndex(const StreamFacts& facts)
    : m_nBegin(AudioBegin(facts)), m_nEnd(AudioEnd(facts)), m_first(facts.first) {}

bool FrameIndex::SameFormat(const MpegFrameHeader& header) const {
    return header.sampleRate == m_first.sampleRate && header.Channels() == m_first.Channels() &&
           header.samplesPerFrame == m_first.samplesPerFrame;
}

void FrameIndex::Note(const MpegFrame& frame) {
    if (m_bComplete) return;
    if (!m_offsets.empty() && frame.offset <= m_offsets.back()) return;
    if (!SameFormat(frame.header)) {
        m_bComplete = true;
        return;
    }
    m_offsets.push_back(frame.offset);
    m_nLastEnd = frame.offset + static_cast<std::uint64_t>(frame.header.frameBytes);
}

std::optional<std::uint64_t> FrameIndex::OffsetOf(ByteSource& source, std::size_t n) {
    if (n < m_offsets.size()) return m_offsets[n];
    if (m_bComplete) return std::nullopt;
    // On from the end of the last known frame: its walk would step there next.
    MpegFrameWalker walker(source, m_offsets.empty() ? m_nBegin : m_nLastEnd, m_nEnd);
    while (m_offsets.size() <= n) {
        const std::optional<MpegFrame> frame = walker.Next();
        if (!frame) {
            m_bComplete = true;
            return std::nullopt;
        }
        Note(*frame);
        if (m_bComplete) return std::nullopt;
    }
    return m_offsets[n];
}

std::uint64_t FrameIndex::SpanOf(std::size_t n) const {
    return (n + 1 < m_offsets.size() ? m_offsets[n + 1] : m_nLastEnd) - m_offsets[n];
}

} // namespace vbmp3
