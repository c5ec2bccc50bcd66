#include "vbmp3/core/MpegStream.h"

#include <algorithm>
#include <cstring>

#include "vbmp3/core/VbrHeader.h"

namespace vbmp3 {
namespace {

std::optional<MpegFrameHeader> HeaderAt(BufferedReader& reader, std::uint64_t offset,
                                        std::uint64_t end) {
    if (end - offset < 4) return std::nullopt;
    const std::uint8_t* p = reader.At(offset, 4);
    return p ? ParseMpegFrameHeader(p) : std::nullopt;
}

bool ConfirmedByFollowers(BufferedReader& reader, std::uint64_t offset,
                          const MpegFrameHeader& header, std::uint64_t end, int followers) {
    std::uint64_t next = offset + header.frameBytes;
    for (int i = 0; i < followers; ++i) {
        if (next == end) return true;
        if (next > end) return false;
        const std::optional<MpegFrameHeader> following = HeaderAt(reader, next, end);
        if (!following || !following->SameStreamAs(header)) return false;
        next += following->frameBytes;
    }
    return true;
}

// The first confirmed frame starting within kFrameSearchLimit bytes of `begin`; with `sameAs`,
// only frames of that stream. Its followers may lie further on.
std::optional<std::uint64_t> FindConfirmedFrame(BufferedReader& reader, std::uint64_t begin,
                                                std::uint64_t end, const MpegFrameHeader* sameAs,
                                                int followers) {
    const std::uint64_t searchEnd =
        begin < end ? begin + std::min(end - begin, kFrameSearchLimit) : begin;
    std::uint64_t pos = begin;
    while (pos < searchEnd && end - pos >= 4) {
        const std::size_t span = static_cast<std::size_t>(
            std::min<std::uint64_t>(BufferedReader::kWindowSize, searchEnd - pos));
        const std::uint8_t* window = reader.At(pos, span);
        if (!window) return std::nullopt;
        const void* sync = std::memchr(window, 0xFF, span);
        if (!sync) {
            pos += span;
            continue;
        }
        pos += static_cast<const std::uint8_t*>(sync) - window;
        const std::optional<MpegFrameHeader> header = HeaderAt(reader, pos, end);
        if (header && (!sameAs || header->SameStreamAs(*sameAs)) &&
            ConfirmedByFollowers(reader, pos, *header, end, followers))
            return pos;
        ++pos;
    }
    return std::nullopt;
}

bool FrameCountFitsBytes(std::uint64_t frames, std::uint64_t bytes, const MpegFrameHeader& h) {
    return frames > 0 && frames <= bytes / h.SmallestFrameBytes() + 1 &&
           frames * h.LargestFrameBytes() >= bytes;
}

void WalkFrames(BufferedReader& reader, std::uint64_t pos, std::uint64_t end, StreamFacts& facts) {
    // Every step moves forward by a whole frame (at least 24 bytes) or to a later frame found by
    // the search, so the walk ends.
    while (pos < end) {
        const std::optional<MpegFrameHeader> header = HeaderAt(reader, pos, end);
        if (header && header->SameStreamAs(facts.first)) {
            if (static_cast<std::uint64_t>(header->frameBytes) > end - pos)
                break; // truncated: not played
            ++facts.frameCount;
            pos += header->frameBytes;
            continue;
        }
        const std::optional<std::uint64_t> next =
            FindConfirmedFrame(reader, pos + 1, end, &facts.first, 1);
        if (!next) break;
        pos = *next;
    }
}

} // namespace

int StreamFacts::AverageBitRateKbps() const {
    const std::uint64_t codedSamples =
        frameCount * static_cast<std::uint64_t>(first.samplesPerFrame);
    if (codedSamples == 0) return first.bitRateKbps;
    const std::uint64_t bitsPerSecond =
        audioBytes * 8 * static_cast<std::uint64_t>(first.sampleRate) / codedSamples;
    const std::uint64_t kbps = (bitsPerSecond + 500) / 1000;
    return static_cast<int>(std::min<std::uint64_t>(kbps, 100000));
}

std::optional<std::uint64_t> FindFirstFrame(BufferedReader& reader, std::uint64_t begin,
                                            std::uint64_t end) {
    if (begin >= end) return std::nullopt;
    const std::optional<MpegFrameHeader> atBegin = HeaderAt(reader, begin, end);
    if (atBegin && ConfirmedByFollowers(reader, begin, *atBegin, end, 1)) return begin;
    return FindConfirmedFrame(reader, begin + 1, end, nullptr, 2);
}

StreamFacts MeasureStream(BufferedReader& reader, std::uint64_t firstFrame, std::uint64_t end) {
    StreamFacts facts;
    facts.first = *HeaderAt(reader, firstFrame, end);
    facts.firstFrameOffset = firstFrame;

    const std::size_t available =
        static_cast<std::size_t>(std::min<std::uint64_t>(facts.first.frameBytes, end - firstFrame));
    const std::uint8_t* frame = reader.At(firstFrame, available);
    const std::optional<VbrHeader> vbr =
        frame ? ParseVbrHeader(facts.first, frame, available) : std::nullopt;

    std::uint64_t audioBegin = firstFrame;
    if (vbr) {
        facts.hasSummaryFrame = true;
        facts.hasLameTag = vbr->hasLameTag;
        facts.encoderDelay = vbr->encoderDelay;
        facts.encoderPadding = vbr->encoderPadding;
        audioBegin = std::min<std::uint64_t>(firstFrame + facts.first.frameBytes, end);
    }
    facts.audioBytes = end - audioBegin;

    // A file cut short (an interrupted download) keeps the summary of the whole stream, whose
    // byte count then exceeds what is there by more than a frame.
    const bool cutShort =
        vbr && vbr->bytes && *vbr->bytes > end - firstFrame + facts.first.LargestFrameBytes();
    if (vbr && vbr->frames && !cutShort &&
        FrameCountFitsBytes(*vbr->frames, facts.audioBytes, facts.first)) {
        facts.frameCount = *vbr->frames;
        facts.lengthSource =
            vbr->kind == VbrHeaderKind::Vbri ? LengthSource::VbriHeader : LengthSource::XingHeader;
    } else {
        WalkFrames(reader, audioBegin, end, facts);
        facts.lengthSource = LengthSource::FrameWalk;
    }

    const std::uint64_t coded =
        facts.frameCount * static_cast<std::uint64_t>(facts.first.samplesPerFrame);
    const std::uint64_t trimmed =
        static_cast<std::uint64_t>(facts.encoderDelay) + facts.encoderPadding;
    facts.samples = coded > trimmed ? coded - trimmed : 0;
    return facts;
}

} // namespace vbmp3
