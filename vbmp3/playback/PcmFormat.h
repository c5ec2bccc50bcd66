// The PCM that the library decodes to and plays: 16-bit signed samples, channels interleaved.
#ifndef VBMP3_PLAYBACK_PCMFORMAT_H
#define VBMP3_PLAYBACK_PCMFORMAT_H

#include "vbmp3/core/MpegFrameHeader.h"

namespace vbmp3 {

struct PcmFormat {
    int sampleRate = 0; // Hz
    int channels = 0;   // 1 or 2; 0 for no format yet

    int BytesPerFrame() const { return 2 * channels; }
    bool operator==(const PcmFormat& other) const {
        return sampleRate == other.sampleRate && channels == other.channels;
    }
    bool operator!=(const PcmFormat& other) const { return !(*this == other); }
};

// What a Layer III frame decodes to.
inline PcmFormat PcmFormatOf(const MpegFrameHeader& header) {
    return PcmFormat{header.sampleRate, header.Channels()};
}

} // namespace vbmp3

#endif
