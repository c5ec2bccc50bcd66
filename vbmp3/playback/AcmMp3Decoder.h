// One MPEG Layer-3 decoder of the platform's Audio Compression Manager, for one format: frames
// in, 16-bit PCM out.
#ifndef VBMP3_PLAYBACK_ACMMP3DECODER_H
#define VBMP3_PLAYBACK_ACMMP3DECODER_H

#include <windows.h>
#include <mmsystem.h>
#include <mmreg.h>
#include <msacm.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "vbmp3/core/MpegFrameHeader.h"
#include "vbmp3/playback/PcmFormat.h"

namespace vbmp3 {

// The formats of a decoding stream for frames like `header`: its MPEG Layer-3 format in, 16-bit
// PCM of the same rate and channels out.
struct AcmFormats {
    MPEGLAYER3WAVEFORMAT mp3;
    WAVEFORMATEX pcm;
};
AcmFormats AcmFormatsFor(const MpegFrameHeader& header);

class AcmMp3Decoder {
public:
    // A decoder for frames like `header` (its sample rate and channel count); nullptr when no
    // installed codec decodes them to 16-bit PCM.
    static std::unique_ptr<AcmMp3Decoder> Open(const MpegFrameHeader& header);
    // Whether Open would succeed, without opening a stream.
    static bool CanDecode(const MpegFrameHeader& header);

    ~AcmMp3Decoder();
    AcmMp3Decoder(const AcmMp3Decoder&) = delete;
    AcmMp3Decoder& operator=(const AcmMp3Decoder&) = delete;

    PcmFormat Format() const { return m_format; }

    // Decodes one whole frame and appends the PCM that comes out to `pcm`. A codec may hold PCM
    // back until later frames or Finish (Wine's gives a stream's first frame with the second).
    // false when the codec reports an error; the decoder is then unusable.
    bool Decode(const std::uint8_t* frame, std::size_t bytes, std::vector<std::int16_t>& pcm);
    // Appends what the codec still holds at the end of the stream.
    void Finish(std::vector<std::int16_t>& pcm);

private:
    AcmMp3Decoder(HACMSTREAM stream, PcmFormat format);
    // One conversion of the input held so far; false on a codec error.
    bool Convert(DWORD flags, std::vector<std::int16_t>& pcm);

    HACMSTREAM m_hStream; // owned: closed by the destructor
    PcmFormat m_format;
    // Buffers of fixed size, prepared once with m_header and unprepared by the destructor.
    std::vector<std::uint8_t> m_input;
    std::vector<std::int16_t> m_output;
    ACMSTREAMHEADER m_header{};
    bool m_bPrepared = false;
    std::size_t m_nHeld = 0; // input bytes that the codec has not consumed yet
    bool m_bStarted = false;
};

} // namespace vbmp3

#endif
