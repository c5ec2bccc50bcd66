// The four-byte header in front of every MPEG audio frame.
#ifndef VBMP3_CORE_MPEGFRAMEHEADER_H
#define VBMP3_CORE_MPEGFRAMEHEADER_H

#include <cstdint>
#include <optional>

namespace vbmp3 {

enum class MpegVersion { Mpeg1, Mpeg2, Mpeg25 };

enum class ChannelMode { Stereo = 0, JointStereo = 1, DualChannel = 2, Mono = 3 };

struct MpegFrameHeader {
    MpegVersion version;
    int layer;       // 1, 2 or 3
    bool hasCrc;     // a 16-bit CRC follows the header
    int bitRateKbps; // never 0: free-format frames are not accepted (their size is unknown)
    int sampleRate;  // Hz
    bool padded;
    ChannelMode channelMode;
    int frameBytes;      // header included
    int samplesPerFrame; // per channel

    int Channels() const { return channelMode == ChannelMode::Mono ? 1 : 2; }
    // Bytes between the header (and CRC) and a Xing/Info header: the layer III side information.
    int SideInfoBytes() const;
    // Frame size of this stream's lowest bit rate: no real frame of the stream is smaller.
    int SmallestFrameBytes() const;
    // Frame size of its highest bit rate, padded: no real frame of the stream is larger.
    int LargestFrameBytes() const;
    // Frames of one stream share version, layer and sample rate; the rest may change per frame.
    bool SameStreamAs(const MpegFrameHeader& other) const {
        return version == other.version && layer == other.layer && sampleRate == other.sampleRate;
    }
};

// Decodes the header whose first byte is p[0]; nothing when the bytes are not a usable header
// (no sync, reserved version or layer, free-format or invalid bit rate, reserved sample rate or
// emphasis).
std::optional<MpegFrameHeader> ParseMpegFrameHeader(const std::uint8_t* p);

} // namespace vbmp3

#endif
