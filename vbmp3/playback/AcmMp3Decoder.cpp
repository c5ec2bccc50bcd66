#include "vbmp3/playback/AcmMp3Decoder.h"

#include <algorithm>
#include <cstring>

namespace vbmp3 {
namespace {

// A frame is at most 1,441 bytes; a codec that consumes frames whole never holds more than one
// back, so room for a few covers any codec.
constexpr std::size_t kInputBytes = 8192;
// Room for four frames of 1,152 stereo samples per conversion; more comes out in further ones.
constexpr std::size_t kOutputSamples = 4 * 1152 * 2;
// Conversions per frame before giving up on a codec that keeps producing (never seen).
constexpr int kMaxConversionsPerCall = 64;

} // namespace

AcmFormats AcmFormatsFor(const MpegFrameHeader& header) {
    AcmFormats f{};
    f.mp3.wfx.wFormatTag = WAVE_FORMAT_MPEGLAYER3;
    f.mp3.wfx.nChannels = static_cast<WORD>(header.Channels());
    f.mp3.wfx.nSamplesPerSec = static_cast<DWORD>(header.sampleRate);
    f.mp3.wfx.nAvgBytesPerSec = static_cast<DWORD>(header.bitRateKbps) * 1000 / 8;
    f.mp3.wfx.nBlockAlign = 1;
    f.mp3.wfx.wBitsPerSample = 0;
    f.mp3.wfx.cbSize = MPEGLAYER3_WFX_EXTRA_BYTES;
    f.mp3.wID = MPEGLAYER3_ID_MPEG;
    f.mp3.fdwFlags = MPEGLAYER3_FLAG_PADDING_ISO; // the header's padding bit says it per frame
    f.mp3.nBlockSize = static_cast<WORD>(header.frameBytes - (header.padded ? 1 : 0));
    f.mp3.nFramesPerBlock = 1;
    f.mp3.nCodecDelay = 0; // an encoder's figure; decoders do not read it

    f.pcm.wFormatTag = WAVE_FORMAT_PCM;
    f.pcm.nChannels = f.mp3.wfx.nChannels;
    f.pcm.nSamplesPerSec = f.mp3.wfx.nSamplesPerSec;
    f.pcm.wBitsPerSample = 16;
    f.pcm.nBlockAlign = static_cast<WORD>(2 * f.pcm.nChannels);
    f.pcm.nAvgBytesPerSec = f.pcm.nSamplesPerSec * f.pcm.nBlockAlign;
    f.pcm.cbSize = 0;
    return f;
}

bool AcmMp3Decoder::CanDecode(const MpegFrameHeader& header) {
    AcmFormats f = AcmFormatsFor(header);
    return acmStreamOpen(nullptr, nullptr, &f.mp3.wfx, &f.pcm, nullptr, 0, 0,
                         ACM_STREAMOPENF_QUERY | ACM_STREAMOPENF_NONREALTIME) == MMSYSERR_NOERROR;
}

std::unique_ptr<AcmMp3Decoder> AcmMp3Decoder::Open(const MpegFrameHeader& header) {
    AcmFormats f = AcmFormatsFor(header);
    HACMSTREAM stream = nullptr;
    if (acmStreamOpen(&stream, nullptr, &f.mp3.wfx, &f.pcm, nullptr, 0, 0,
                      ACM_STREAMOPENF_NONREALTIME) != MMSYSERR_NOERROR)
        return nullptr;
    std::unique_ptr<AcmMp3Decoder> decoder(new AcmMp3Decoder(stream, PcmFormatOf(header)));
    return decoder->m_bPrepared ? std::move(decoder) : nullptr;
}

AcmMp3Decoder::AcmMp3Decoder(HACMSTREAM stream, PcmFormat format)
    : m_hStream(stream), m_format(format), m_input(kInputBytes), m_output(kOutputSamples) {
    m_header.cbStruct = sizeof m_header;
    m_header.pbSrc = m_input.data();
    m_header.cbSrcLength = static_cast<DWORD>(m_input.size());
    m_header.pbDst = reinterpret_cast<LPBYTE>(m_output.data());
    m_header.cbDstLength = static_cast<DWORD>(m_output.size() * sizeof(std::int16_t));
    m_bPrepared = acmStreamPrepareHeader(m_hStream, &m_header, 0) == MMSYSERR_NOERROR;
}

AcmMp3Decoder::~AcmMp3Decoder() {
    if (m_bPrepared) {
        // The header must be unprepared with the lengths it was prepared with.
        m_header.cbSrcLength = static_cast<DWORD>(m_input.size());
        m_header.cbDstLength = static_cast<DWORD>(m_output.size() * sizeof(std::int16_t));
        acmStreamUnprepareHeader(m_hStream, &m_header, 0);
    }
    acmStreamClose(m_hStream, 0);
}

bool AcmMp3Decoder::Convert(DWORD flags, std::vector<std::int16_t>& pcm) {
    m_header.cbSrcLength = static_cast<DWORD>(m_nHeld);
    m_header.cbSrcLengthUsed = 0;
    m_header.cbDstLengthUsed = 0;
    if (!m_bStarted) flags |= ACM_STREAMCONVERTF_START;
    if (acmStreamConvert(m_hStream, &m_header, flags) != MMSYSERR_NOERROR) return false;
    m_bStarted = true;

    const std::size_t used = std::min<std::size_t>(m_header.cbSrcLengthUsed, m_nHeld);
    std::memmove(m_input.data(), m_input.data() + used, m_nHeld - used);
    m_nHeld -= used;
    // Whole frames of PCM only: the output buffer holds a whole number of them.
    const std::size_t samples = m_header.cbDstLengthUsed / sizeof(std::int16_t);
    pcm.insert(pcm.end(), m_output.begin(),
               m_output.begin() + static_cast<std::ptrdiff_t>(std::min(samples, m_output.size())));
    return true;
}

bool AcmMp3Decoder::Decode(const std::uint8_t* frame, std::size_t bytes,
                           std::vector<std::int16_t>& pcm) {
    if (bytes > m_input.size() - m_nHeld) return false; // the codec stopped consuming
    std::memcpy(m_input.data() + m_nHeld, frame, bytes);
    m_nHeld += bytes;
    // Convert until the codec neither produces PCM nor takes the input held.
    for (int i = 0; i < kMaxConversionsPerCall; ++i) {
        const std::size_t pcmBefore = pcm.size();
        const std::size_t heldBefore = m_nHeld;
        if (!Convert(0, pcm)) return false;
        const bool produced = pcm.size() > pcmBefore;
        const bool consumed = m_nHeld < heldBefore;
        if (!produced && !(consumed && m_nHeld > 0)) break;
    }
    return true;
}

void AcmMp3Decoder::Finish(std::vector<std::int16_t>& pcm) {
    for (int i = 0; i < kMaxConversionsPerCall; ++i) {
        const std::size_t pcmBefore = pcm.size();
        if (!Convert(ACM_STREAMCONVERTF_END, pcm) || pcm.size() == pcmBefore) break;
    }
}

} // namespace vbmp3
