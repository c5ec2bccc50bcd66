// The real AudioOutput: the system's default waveOut device.
#ifndef VBMP3_PLAYBACK_WAVEOUTDEVICE_H
#define VBMP3_PLAYBACK_WAVEOUTDEVICE_H

#include <windows.h>
#include <mmsystem.h>

#include <array>
#include <memory>
#include <vector>

#include "vbmp3/playback/AudioOutput.h"
#include "vbmp3/playback/UniqueHandle.h"
#include "vbmp3/playback/WavFileWriter.h"

namespace vbmp3 {

// Names the capture file: while set, every buffer handed to the device is also appended to the
// WAV file it names (system code page), which the device creates when it opens.
constexpr const char* kCaptureVariable = "VBMP3_CAPTURE_WAV";

class WaveOutDevice final : public AudioOutput {
public:
    // Opens the default device (WAVE_MAPPER) for `format`; nullptr when there is no device or
    // it refuses the format.
    static std::unique_ptr<AudioOutput> Open(const PcmFormat& format);
    ~WaveOutDevice() override;
    WaveOutDevice(const WaveOutDevice&) = delete;
    WaveOutDevice& operator=(const WaveOutDevice&) = delete;

    PcmFormat Format() const override { return m_format; }
    int QueuedBuffers() override;
    bool Write(const std::int16_t* pcm, std::size_t frames) override;
    HANDLE BufferDoneEvent() const override { return m_doneEvent.Get(); }
    bool PlayedFrames(std::uint64_t& frames) override;
    std::uint64_t WrittenFrames() const override { return m_nWritten; }
    void Pause() override;
    void Resume() override;
    void Reset() override;
    void SetVolume(std::uint16_t level) override;

private:
    struct Buffer {
        WAVEHDR header{};
        std::vector<std::int16_t> samples;
        bool queued = false; // written, and not taken back yet
    };

    WaveOutDevice(HWAVEOUT device, UniqueHandle doneEvent, const PcmFormat& format);
    void TakeBack(Buffer& buffer);

    UniqueHandle m_doneEvent; // signalled by the device (CALLBACK_EVENT)
    std::array<Buffer, kOutputBuffers> m_buffers;
    // Owned: the destructor resets and closes it before the buffers and the event go.
    HWAVEOUT m_hDevice;
    bool m_bPaused = false;
    PcmFormat m_format;
    std::uint64_t m_nWritten = 0; // frames, since the device was opened or last reset
    std::size_t m_nNext = 0; // the buffer to write next: buffers are written and played in turn
    std::unique_ptr<WavFileWriter> m_capture;
};

} // namespace vbmp3

#endif
