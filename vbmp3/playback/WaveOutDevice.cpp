#include "vbmp3/playback/WaveOutDevice.h"

#include <cstring>

namespace vbmp3 {
namespace {

std::unique_ptr<WavFileWriter> CaptureFileFor(const PcmFormat& format) {
    char path[MAX_PATH];
    const DWORD length = ::GetEnvironmentVariableA(kCaptureVariable, path, sizeof path);
    if (length == 0 || length >= sizeof path) return nullptr;
    return WavFileWriter::Create(path, format);
}

} // namespace

std::unique_ptr<AudioOutput> WaveOutDevice::Open(const PcmFormat& format) {
    UniqueHandle doneEvent = MakeEvent(false, false);
    if (!doneEvent) return nullptr;
    WAVEFORMATEX wfx = {};
    wfx.wFormatTag = WAVE_FORMAT_PCM;
    wfx.nChannels = static_cast<WORD>(format.channels);
    wfx.nSamplesPerSec = static_cast<DWORD>(format.sampleRate);
    wfx.wBitsPerSample = 16;
    wfx.nBlockAlign = static_cast<WORD>(format.BytesPerFrame());
    wfx.nAvgBytesPerSec = wfx.nSamplesPerSec * wfx.nBlockAlign;
    HWAVEOUT device = nullptr;
    if (::waveOutOpen(&device, WAVE_MAPPER, &wfx, reinterpret_cast<DWORD_PTR>(doneEvent.Get()), 0,
                      CALLBACK_EVENT) != MMSYSERR_NOERROR)
        return nullptr;
    return std::unique_ptr<AudioOutput>(new WaveOutDevice(device, std::move(doneEvent), format));
}

WaveOutDevice::WaveOutDevice(HWAVEOUT device, UniqueHandle doneEvent, const PcmFormat& format)
    : m_doneEvent(std::move(doneEvent)), m_hDevice(device), m_format(format),
      m_capture(CaptureFileFor(format)) {
    for (Buffer& buffer : m_buffers) {
        buffer.samples.resize(kBufferFrames * static_cast<std::size_t>(format.channels));
        buffer.header.lpData = reinterpret_cast<LPSTR>(buffer.samples.data());
    }
}

WaveOutDevice::~WaveOutDevice() {
    Reset();
    ::waveOutClose(m_hDevice);
}

void WaveOutDevice::TakeBack(Buffer& buffer) {
    ::waveOutUnprepareHeader(m_hDevice, &buffer.header, sizeof buffer.header);
    buffer.queued = false;
}

int WaveOutDevice::QueuedBuffers() {
    int queued = 0;
    for (Buffer& buffer : m_buffers) {
        if (buffer.queued && (buffer.header.dwFlags & WHDR_DONE)) TakeBack(buffer);
        queued += buffer.queued ? 1 : 0;
    }
    return queued;
}

bool WaveOutDevice::Write(const std::int16_t* pcm, std::size_t frames) {
    Buffer& buffer = m_buffers[m_nNext];
    if (buffer.queued || frames > kBufferFrames) return false;
    const std::size_t bytes = frames * static_cast<std::size_t>(m_format.BytesPerFrame());
    std::memcpy(buffer.samples.data(), pcm, bytes);
    // Prepared for each write with its own length, unprepared when it comes back.
    buffer.header.dwBufferLength = static_cast<DWORD>(bytes);
    buffer.header.dwFlags = 0;
    if (::waveOutPrepareHeader(m_hDevice, &buffer.header, sizeof buffer.header) != MMSYSERR_NOERROR)
        return false;
    if (::waveOutWrite(m_hDevice, &buffer.header, sizeof buffer.header) != MMSYSERR_NOERROR) {
        ::waveOutUnprepareHeader(m_hDevice, &buffer.header, sizeof buffer.header);
        return false;
    }
    buffer.queued = true;
    m_nNext = (m_nNext + 1) % m_buffers.size();
    m_nWritten += frames;
    if (m_capture && !m_capture->Append(pcm, frames)) m_capture.reset(); // a full disk ends it
    return true;
}

bool WaveOutDevice::PlayedFrames(std::uint64_t& frames) {
    MMTIME time = {};
    time.wType = TIME_SAMPLES;
    if (::waveOutGetPosition(m_hDevice, &time, sizeof time) != MMSYSERR_NOERROR) return false;
    switch (time.wType) {
    case TIME_SAMPLES:
        frames = time.u.sample;
        return true;
    case TIME_BYTES: // a driver may answer in another unit than asked for
        frames = time.u.cb / static_cast<DWORD>(m_format.BytesPerFrame());
        return true;
    case TIME_MS:
        frames = static_cast<std::uint64_t>(time.u.ms) *
                 static_cast<std::uint64_t>(m_format.sampleRate) / 1000;
        return true;
    default:
        return false;
    }
}

void WaveOutDevice::Pause() {
    ::waveOutPause(m_hDevice);
    m_bPaused = true;
}

void WaveOutDevice::Resume() {
    ::waveOutRestart(m_hDevice);
    m_bPaused = false;
}

void WaveOutDevice::Reset() {
    ::waveOutReset(m_hDevice); // gives every queued buffer back, done
    // A reset may leave a paused device paused. Restarting an idle device is not harmless
    // either: Wine then feeds silence to the sound card until the next write.
    if (m_bPaused) Resume();
    for (Buffer& buffer : m_buffers) {
        if (buffer.queued) TakeBack(buffer);
    }
    m_nNext = 0;
    m_nWritten = 0;
}

void WaveOutDevice::SetVolume(std::uint16_t level) {
    // Left channel in the low word, right in the high one. The system applies it to what the
    // device plays, so a change is heard at once rather than after the queued buffers; a device
    // without volume control refuses it, and then plays at full volume.
    const DWORD both = static_cast<DWORD>(level) | static_cast<DWORD>(level) << 16;
    ::waveOutSetVolume(m_hDevice, both);
}

} // namespace vbmp3
