#include "vbmp3/core/VbrHeader.h"

#include <cstring>

#include "vbmp3/core/Bytes.h"

namespace vbmp3 {
namespace {

constexpr std::uint32_t kXingFrames = 1, kXingBytes = 2, kXingToc = 4, kXingQuality = 8;
constexpr std::size_t kXingTocSize = 100;
constexpr std::size_t kLameTagSize = 36;
constexpr std::size_t kLameDelayOffset = 21; // after the 9-byte encoder name and 12 bytes
constexpr std::size_t kVbriOffset = 4 + 32;  // fixed, whatever the channel mode
constexpr std::size_t kVbriSize = 26;

bool HasLameTagName(const std::uint8_t* p) {
    // LAME writes its own name; the libavcodec muxer writes the same tag under its names.
    return std::memcmp(p, "LAME", 4) == 0 || std::memcmp(p, "Lavc", 4) == 0 ||
           std::memcmp(p, "Lavf", 4) == 0;
}

std::optional<VbrHeader> ParseXing(const std::uint8_t* p, std::size_t available) {
    if (available < 8) return std::nullopt;
    VbrHeader vbr;
    if (std::memcmp(p, "Xing", 4) == 0)
        vbr.kind = VbrHeaderKind::Xing;
    else if (std::memcmp(p, "Info", 4) == 0)
        vbr.kind = VbrHeaderKind::Info;
    else
        return std::nullopt;
    const std::uint32_t flags = ReadBe32(p + 4);
    std::size_t pos = 8;
    auto field = [&](std::uint32_t flag) -> std::optional<std::uint32_t> {
        if (!(flags & flag) || pos + 4 > available) return std::nullopt;
        const std::uint32_t value = ReadBe32(p + pos);
        pos += 4;
        return value;
    };
    vbr.frames = field(kXingFrames);
    vbr.bytes = field(kXingBytes);
    if (flags & kXingToc) pos += kXingTocSize;
    if (flags & kXingQuality) pos += 4;
    if (pos + kLameTagSize <= available && HasLameTagName(p + pos)) {
        const std::uint32_t delays = ReadBe24(p + pos + kLameDelayOffset);
        vbr.hasLameTag = true;
        vbr.encoderDelay = static_cast<int>(delays >> 12);
        vbr.encoderPadding = static_cast<int>(delays & 0xFFF);
    }
    return vbr;
}

} // namespace

std::optional<VbrHeader> ParseVbrHeader(const MpegFrameHeader& header, const std::uint8_t* frame,
                                        std::size_t frameSize) {
    if (header.layer != 3) return std::nullopt;
    const std::size_t xingOffset = 4 + static_cast<std::size_t>(header.SideInfoBytes());
    // Some encoders count the CRC in front of the side information, most do not.
    for (std::size_t offset : {xingOffset, xingOffset + 2}) {
        if (offset == xingOffset + 2 && !header.hasCrc) break;
        if (offset < frameSize) {
            if (auto vbr = ParseXing(frame + offset, frameSize - offset)) return vbr;
        }
    }
    if (kVbriOffset + kVbriSize <= frameSize && std::memcmp(frame + kVbriOffset, "VBRI", 4) == 0) {
        VbrHeader vbr;
        vbr.kind = VbrHeaderKind::Vbri;
        vbr.bytes = ReadBe32(frame + kVbriOffset + 10);
        vbr.frames = ReadBe32(frame + kVbriOffset + 14);
        return vbr;
    }
    return std::nullopt;
}

} // namespace vbmp3
