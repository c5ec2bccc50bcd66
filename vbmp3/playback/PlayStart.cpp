#include "vbmp3/playback/PlayStart.h"

#include <algorithm>
#include <limits>

#include "vbmp3/playback/MpegFrameWalker.h"

namespace vbmp3 {
namespace {

constexpr std::uint64_t kMicrosecondsPerSecond = 1000000;
// A Layer III frame's main data may begin up to 511 bytes before its own header, in the frames
// before it.
constexpr std::uint64_t kReservoirBytes = 511;
// Header, CRC and the largest side information (MPEG-1 stereo): the bytes of a frame that hold
// no main data.
constexpr std::uint64_t kFrameOverheadBytes = 4 + 2 + 32;
// The frames before the landing one that must decode as in a play from the start: the landing
// frame's first granule overlaps the one before it, whose synthesis history reaches into the
// frame before that (MPEG-2 frames have a single granule).
constexpr std::size_t kSettlingFrames = 2;

// Decoded PCM frames in front of the first heard one: the decoder's delay and the encoder's.
std::uint64_t LeadSamples(const StreamFacts& facts) {
    return facts.hasLameTag ? static_cast<std::uint64_t>(kDecoderDelaySamples) + facts.encoderDelay
                            : 0;
}

std::uint64_t MicrosecondsOf(std::uint64_t samples, const StreamFacts& facts) {
    return samples * kMicrosecondsPerSecond / static_cast<std::uint64_t>(facts.first.sampleRate);
}

// The first frame to feed: enough frames before the settling ones to hold the reservoir of the
// first of them. `landing` and the frames before it are in the index.
std::size_t FirstFedFrame(const FrameIndex& index, std::size_t landing) {
    if (landing < kSettlingFrames) return 0; // from the start: nothing is missing
    std::size_t first = landing - kSettlingFrames;
    std::uint64_t reservoir = 0;
    while (first > 0 && reservoir < kReservoirBytes) {
        --first;
        const std::uint64_t span = index.SpanOf(first);
        reservoir += span > kFrameOverheadBytes ? span - kFrameOverheadBytes : 0;
    }
    return first;
}

} // namespace

PlayStart StartOfFile(const StreamFacts& facts) {
    PlayStart start;
    start.decodeFrom = AudioBegin(facts);
    start.trim = GaplessTrim::ForStream(facts);
    return start;
}

std::optional<PlayStart> SeekTo(const StreamFacts& facts, FrameIndex& index, ByteSource& source,
                                std::int64_t milliseconds) {
    const std::uint64_t rate = static_cast<std::uint64_t>(facts.first.sampleRate);
    const std::uint64_t perFrame = static_cast<std::uint64_t>(facts.first.samplesPerFrame);
    if (rate == 0 || perFrame == 0) return std::nullopt;
    const std::uint64_t heard =
        static_cast<std::uint64_t>(std::max<std::int64_t>(milliseconds, 0)) * rate / 1000;
    if (facts.hasLameTag && heard >= facts.samples) return std::nullopt;
    const std::uint64_t lead = LeadSamples(facts);
    const std::size_t landing = static_cast<std::size_t>((heard + lead) / perFrame);
    if (!index.OffsetOf(source, landing)) return std::nullopt;
    const std::size_t first = FirstFedFrame(index, landing);

    // Decoded frame numbers count from the stream's first audio frame, as in a play from the
    // start; the decoder fed from `first` puts out one frame of PCM per frame fed.
    const std::uint64_t firstDecoded = first * perFrame;
    const std::uint64_t landingDecoded = std::max<std::uint64_t>(landing * perFrame, lead);
    PlayStart start;
    start.decodeFrom = *index.OffsetOf(source, first);
    const std::uint64_t keep = facts.hasLameTag ? lead + facts.samples - landingDecoded
                                                : std::numeric_limits<std::uint64_t>::max();
    start.trim = GaplessTrim(landingDecoded - firstDecoded, keep);
    start.heardMicroseconds = MicrosecondsOf(landingDecoded - lead, facts);
    start.afterSeek = true;
    return start;
}

PlayStart EndOfFile(const StreamFacts& facts) {
    PlayStart end;
    end.decodeFrom = AudioEnd(facts);
    const std::uint64_t samples =
        facts.hasLameTag
            ? facts.samples
            : facts.frameCount * static_cast<std::uint64_t>(facts.first.samplesPerFrame);
    end.heardMicroseconds = facts.first.sampleRate > 0 ? MicrosecondsOf(samples, facts) : 0;
    end.afterSeek = true;
    return end;
}

} // namespace vbmp3
