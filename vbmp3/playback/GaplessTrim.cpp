#include "vbmp3/playback/GaplessTrim.h"

#include <algorithm>

namespace vbmp3 {

GaplessTrim::GaplessTrim(std::uint64_t skipFrames, std::uint64_t keepFrames)
    : m_bLimited(true), m_nSkip(skipFrames), m_nKeep(keepFrames) {}

GaplessTrim GaplessTrim::ForStream(const StreamFacts& facts) {
    if (!facts.hasLameTag) return GaplessTrim();
    return GaplessTrim(static_cast<std::uint64_t>(kDecoderDelaySamples) + facts.encoderDelay,
                       facts.samples);
}

GaplessTrim::Slice GaplessTrim::Next(std::size_t decodedFrames) {
    if (!m_bLimited) return Slice{0, decodedFrames};
    const std::size_t skip =
        static_cast<std::size_t>(std::min<std::uint64_t>(m_nSkip, decodedFrames));
    m_nSkip -= skip;
    const std::size_t keep =
        static_cast<std::size_t>(std::min<std::uint64_t>(m_nKeep, decodedFrames - skip));
    m_nKeep -= keep;
    return Slice{skip, keep};
}

} // namespace vbmp3
