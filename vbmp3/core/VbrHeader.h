// The summary header that encoders put in place of the first frame's audio: Xing ("Xing" for
// variable, "Info" for constant bit rate, usually followed by the LAME tag) or VBRI.
#ifndef VBMP3_CORE_VBRHEADER_H
#define VBMP3_CORE_VBRHEADER_H

#include <cstddef>
#include <cstdint>
#include <optional>

#include "vbmp3/core/MpegFrameHeader.h"

namespace vbmp3 {

enum class VbrHeaderKind { Xing, Info, Vbri };

struct VbrHeader {
    VbrHeaderKind kind;
    std::optional<std::uint32_t> frames; // audio frames, the header's own frame not counted
    std::optional<std::uint32_t> bytes;  // stream bytes as the encoder counted them
    bool hasLameTag = false;
    int encoderDelay = 0;   // samples the encoder added in front (LAME tag)
    int encoderPadding = 0; // samples it added at the end to fill the last frame (LAME tag)
};

// Looks for a summary header in the frame `frame` (its `frameSize` bytes, header included).
std::optional<VbrHeader> ParseVbrHeader(const MpegFrameHeader& header, const std::uint8_t* frame,
                                        std::size_t frameSize);

} // namespace vbmp3

#endif
