// libFuzzer target: what the playing side reads of a file on arbitrary bytes, after the file's
// information was read as the player reads it: the walk from frame to frame that feeds the
// decoder, and the trim of the LAME tag's delay and padding. Besides the sanitizers' findings,
// it traps when a frame handed to the decoder is not the file's bytes or lies outside the audio,
// when the walk stops making progress, or when the trim keeps more than the tag allows.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "vbmp3/core/FileInfo.h"
#include "vbmp3/playback/GaplessTrim.h"
#include "vbmp3/playback/MpegFrameWalker.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vbmp3::MemoryByteSource source(data, size);
    vbmp3::FileInfo info;
    if (!vbmp3::ReadFileInfo(source, info)) return 0;
    const vbmp3::StreamFacts& facts = info.stream;
    const std::uint64_t begin = vbmp3::AudioBegin(facts);
    const std::uint64_t end = vbmp3::AudioEnd(facts);

    vbmp3::MpegFrameWalker walker(source, begin, end);
    vbmp3::GaplessTrim trim = vbmp3::GaplessTrim::ForStream(facts);
    std::uint64_t next = begin; // no frame starts before the end of the one before
    std::uint64_t frames = 0, kept = 0;
    while (const std::optional<vbmp3::MpegFrame> frame = walker.Next()) {
        const auto bytes = static_cast<std::uint64_t>(frame->header.frameBytes);
        if (frame->header.layer != 3 || bytes == 0) std::abort();
        if (frame->offset < next || frame->offset + bytes > end || frame->offset + bytes > size)
            std::abort();
        if (std::memcmp(frame->bytes, data + frame->offset, bytes) != 0) std::abort();
        next = frame->offset + bytes;
        if (++frames > size) std::abort();

        const auto decoded = static_cast<std::size_t>(frame->header.samplesPerFrame);
        const vbmp3::GaplessTrim::Slice slice = trim.Next(decoded);
        if (slice.skip + slice.keep > decoded) std::abort();
        kept += slice.keep;
    }
    if (facts.hasLameTag && kept > facts.samples) std::abort();
    if (walker.SkippedBytes() > end - begin) std::abort();
    return 0;
}
