#include "vbmp3/playback/DecodedStream.h"

#include <algorithm>
#include <cstring>

namespace vbmp3 {

DecodedStream::DecodedStream(ByteSource& source, const StreamFacts& facts)
    : DecodedStream(source, facts, AudioBegin(facts), GaplessTrim::ForStream(facts), nullptr) {}

DecodedStream::DecodedStream(ByteSource& source, const StreamFacts& facts, std::uint64_t from,
                             const GaplessTrim& trim, FrameIndex* index)
    : m_walker(source, from, AudioEnd(facts)), m_pIndex(index), m_trim(trim) {}

std::size_t DecodedStream::PendingFrames() const {
    return m_format.channels ? (m_pending.size() - m_nPendingRead) / m_format.channels : 0;
}

void DecodedStream::AppendTrimmed() {
    const std::size_t channels = static_cast<std::size_t>(m_format.channels);
    const GaplessTrim::Slice slice = m_trim.Next(m_decoded.size() / channels);
    const auto begin = m_decoded.begin() + static_cast<std::ptrdiff_t>(slice.skip * channels);
    m_pending.insert(m_pending.end(), begin,
                     begin + static_cast<std::ptrdiff_t>(slice.keep * channels));
    m_decoded.clear();
}

void DecodedStream::FinishDecoder() {
    if (!m_decoder) return;
    m_decoder->Finish(m_decoded);
    AppendTrimmed();
    m_decoder.reset();
}

bool DecodedStream::DecodeNextFrame() {
    std::optional<MpegFrame> frame = m_heldFrame ? m_heldFrame : m_walker.Next();
    m_heldFrame.reset();
    if (frame && m_pIndex) m_pIndex->Note(*frame);
    // The walk goes on past the trimmed audio (the padding is a frame or two): a stream of
    // another format may follow it.
    if (!frame) {
        FinishDecoder();
        m_bEnded = true;
        return true;
    }
    const PcmFormat format = PcmFormatOf(frame->header);
    if (m_format.channels && format != m_format) {
        FinishDecoder();
        m_trim = GaplessTrim();
        if (PendingFrames() > 0) {
            m_heldFrame = frame; // the walker stays on it, so its bytes stay valid
            return false;
        }
    }
    m_format = format;
    if (!m_decoder) m_decoder = AcmMp3Decoder::Open(frame->header);
    if (!m_decoder || !m_decoder->Decode(frame->bytes, frame->header.frameBytes, m_decoded)) {
        ++m_nRejected;
        m_decoder.reset();
        m_decoded.clear();
        return true;
    }
    AppendTrimmed();
    return true;
}

std::size_t DecodedStream::Read(std::int16_t* pcm, std::size_t maxFrames, PcmFormat& format) {
    while (PendingFrames() < maxFrames && !m_bEnded) {
        if (!DecodeNextFrame()) break;
    }
    const std::size_t frames = std::min(PendingFrames(), maxFrames);
    if (frames == 0) return 0;
    const std::size_t samples = frames * static_cast<std::size_t>(m_format.channels);
    std::memcpy(pcm, m_pending.data() + m_nPendingRead, samples * sizeof(std::int16_t));
    m_nPendingRead += samples;
    format = m_format;
    if (m_nPendingRead == m_pending.size()) {
        m_pending.clear();
        m_nPendingRead = 0;
    } else if (m_nPendingRead >= m_pending.size() / 2) {
        m_pending.erase(m_pending.begin(),
                        m_pending.begin() + static_cast<std::ptrdiff_t>(m_nPendingRead));
        m_nPendingRead = 0;
    }
    return frames;
}

} // namespace vbmp3
