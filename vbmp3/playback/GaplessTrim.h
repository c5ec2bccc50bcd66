// Which of the decoder's PCM frames belong to the file's audio, so that a file plays exactly the
// samples that were encoded: the decoder's delay and the encoder's delay in front and the
// encoder's padding behind are dropped, as the LAME tag gives them.
#ifndef VBMP3_PLAYBACK_GAPLESSTRIM_H
#define VBMP3_PLAYBACK_GAPLESSTRIM_H

#include <cstddef>
#include <cstdint>

#include "vbmp3/core/MpegStream.h"

namespace vbmp3 {

// PCM frames that a Layer III decoder puts out before the first coded sample: the delay of the
// synthesis filterbank, 528 samples, plus one. The LAME tag's encoder delay counts on top of
// it, and libmpg123, which Wine's ACM codec wraps, uses the same figure. Windows' own Layer-3
// ACM codec may delay by another amount, which would shift a trimmed file by the difference.
constexpr int kDecoderDelaySamples = 529;

class GaplessTrim {
public:
    // Trims nothing: every decoded frame is played.
    GaplessTrim() = default;
    // Drops `skipFrames` decoded frames, passes the next `keepFrames` and drops the rest.
    GaplessTrim(std::uint64_t skipFrames, std::uint64_t keepFrames);

    // The trim that the stream's LAME tag describes; without the tag nothing says what the
    // encoder added, so nothing is trimmed (the decoder's delay stays in front as well).
    static GaplessTrim ForStream(const StreamFacts& facts);

    struct Slice {
        std::size_t skip; // frames to drop at the front of the block
        std::size_t keep; // frames to play after them; the rest of the block is dropped
    };
    // The share of the next `decodedFrames` frames that the decoder put out.
    Slice Next(std::size_t decodedFrames);

private:
    bool m_bLimited = false; // false: pass everything
    std::uint64_t m_nSkip = 0;
    std::uint64_t m_nKeep = 0;
};

} // namespace vbmp3

#endif
