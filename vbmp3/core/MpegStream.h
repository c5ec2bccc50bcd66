// Finding the first MPEG audio frame and measuring the stream that starts there.
#ifndef VBMP3_CORE_MPEGSTREAM_H
#define VBMP3_CORE_MPEGSTREAM_H

#include <cstdint>
#include <optional>

#include "vbmp3/core/BufferedReader.h"
#include "vbmp3/core/MpegFrameHeader.h"

namespace vbmp3 {

// How the frame count was obtained.
enum class LengthSource { XingHeader = 1, VbriHeader = 2, FrameWalk = 3 };

struct StreamFacts {
    MpegFrameHeader first; // the first frame's header (the summary frame's, if any)
    std::uint64_t firstFrameOffset = 0;
    std::uint64_t frameCount = 0; // audio frames; a Xing/Info/VBRI frame is not counted
    std::uint64_t audioBytes = 0; // bytes from the first audio frame to the end of the audio
    bool hasSummaryFrame = false; // the first frame is a Xing/Info/VBRI header
    bool hasLameTag = false;
    int encoderDelay = 0;      // samples, from the LAME tag
    int encoderPadding = 0;    // samples, from the LAME tag
    std::uint64_t samples = 0; // per channel, encoder delay and padding removed
    LengthSource lengthSource = LengthSource::FrameWalk;

    // Bytes per second of the audio frames, as kbit/s; the first frame's rate when none counted.
    int AverageBitRateKbps() const;
};

// How far past where the audio should start (after the tags, or after damage in the stream) a
// search for a frame goes. In files as encoders and taggers write them the audio follows the tags
// at once; what does lie between (padding written after a tag instead of inside it, a tag that
// is not recognised as one, a tag whose stated size falls short of the pictures it holds) comes
// to kilobytes, a large cover picture to a few megabytes. Beyond that the rest is no audio, and
// a file of gigabytes of junk is judged after reading this much, not all of it.
constexpr std::uint64_t kFrameSearchLimit = 4 * 1024 * 1024;

// The first frame in [begin, end) that a following frame of the same stream confirms: one
// following frame for a frame right at `begin`, two after junk, where a random 0xFFE pattern is
// likelier. A frame that ends exactly at `end` needs no follower. Only frames that start within
// kFrameSearchLimit bytes of `begin` are found.
std::optional<std::uint64_t> FindFirstFrame(BufferedReader& reader, std::uint64_t begin,
                                            std::uint64_t end);

// Counts the frames from `firstFrame` (found by FindFirstFrame) to `end`: from the summary
// header when it has a frame count that fits the bytes, otherwise by walking the frame headers,
// resynchronising after damage (a stretch without frames longer than kFrameSearchLimit ends the
// walk).
StreamFacts MeasureStream(BufferedReader& reader, std::uint64_t firstFrame, std::uint64_t end);

} // namespace vbmp3

#endif
