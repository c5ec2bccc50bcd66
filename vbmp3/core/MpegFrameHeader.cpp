#include "vbmp3/core/MpegFrameHeader.h"

namespace vbmp3 {
namespace {

// kbit/s by bit rate index 1..14, for [MPEG-1 L1, L2, L3, MPEG-2/2.5 L1, L2 and L3].
constexpr int kBitRates[5][15] = {
    {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},
    {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
};

constexpr int kSampleRates[3][3] = {
    {44100, 48000, 32000}, // MPEG-1
    {22050, 24000, 16000}, // MPEG-2
    {11025, 12000, 8000},  // MPEG-2.5
};

int BitRateRow(MpegVersion version, int layer) {
    if (version == MpegVersion::Mpeg1) return layer - 1;
    return layer == 1 ? 3 : 4;
}

int FrameBytes(MpegVersion version, int layer, int bitRateKbps, int sampleRate, bool padded) {
    const int bitsPerSecond = bitRateKbps * 1000;
    if (layer == 1) return (12 * bitsPerSecond / sampleRate + (padded ? 1 : 0)) * 4;
    // Layer III of MPEG-2 and 2.5 has half the samples per frame, so half the bytes.
    const int factor = (layer == 3 && version != MpegVersion::Mpeg1) ? 72 : 144;
    return factor * bitsPerSecond / sampleRate + (padded ? 1 : 0);
}

} // namespace

std::optional<MpegFrameHeader> ParseMpegFrameHeader(const std::uint8_t* p) {
    if (p[0] != 0xFF || (p[1] & 0xE0) != 0xE0) return std::nullopt;
    const int versionBits = (p[1] >> 3) & 3;
    const int layerBits = (p[1] >> 1) & 3;
    const int bitRateIndex = p[2] >> 4;
    const int sampleRateIndex = (p[2] >> 2) & 3;
    const int emphasis = p[3] & 3;
    if (versionBits == 1 || layerBits == 0 || bitRateIndex == 0 || bitRateIndex == 15 ||
        sampleRateIndex == 3 || emphasis == 2)
        return std::nullopt;

    MpegFrameHeader h{};
    h.version = versionBits == 3   ? MpegVersion::Mpeg1
                : versionBits == 2 ? MpegVersion::Mpeg2
                                   : MpegVersion::Mpeg25;
    h.layer = 4 - layerBits;
    h.hasCrc = (p[1] & 1) == 0;
    h.bitRateKbps = kBitRates[BitRateRow(h.version, h.layer)][bitRateIndex];
    h.sampleRate = kSampleRates[static_cast<int>(h.version)][sampleRateIndex];
    h.padded = (p[2] & 2) != 0;
    h.channelMode = static_cast<ChannelMode>(p[3] >> 6);
    h.frameBytes = FrameBytes(h.version, h.layer, h.bitRateKbps, h.sampleRate, h.padded);
    h.samplesPerFrame = h.layer == 1                                        ? 384
                        : (h.layer == 3 && h.version != MpegVersion::Mpeg1) ? 576
                                                                            : 1152;
    return h;
}

int MpegFrameHeader::SideInfoBytes() const {
    const bool mono = channelMode == ChannelMode::Mono;
    if (version == MpegVersion::Mpeg1) return mono ? 17 : 32;
    return mono ? 9 : 17;
}

int MpegFrameHeader::SmallestFrameBytes() const {
    const int lowest = kBitRates[BitRateRow(version, layer)][1];
    return FrameBytes(version, layer, lowest, sampleRate, false);
}

int MpegFrameHeader::LargestFrameBytes() const {
    const int highest = kBitRates[BitRateRow(version, layer)][14];
    return FrameBytes(version, layer, highest, sampleRate, true);
}

} // namespace vbmp3
