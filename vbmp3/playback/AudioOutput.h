// The sound card as the playback thread uses it: a ring of a fixed number of buffers, written in
// order and played in order. WaveOutDevice is the real one; tests put in devices that fail.
#ifndef VBMP3_PLAYBACK_AUDIOOUTPUT_H
#define VBMP3_PLAYBACK_AUDIOOUTPUT_H

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

#include "vbmp3/playback/PcmFormat.h"

namespace vbmp3 {

// Buffers kept queued at the device while a file plays, and their size in PCM frames: eight of
// 4,608 frames (four MPEG-1 frames, about 0.1 s at 44.1 kHz) keep most of a second of sound
// ahead of the device, so a playback thread held up for that long does not stutter.
constexpr int kOutputBuffers = 8;
constexpr std::size_t kBufferFrames = 4608;

class AudioOutput {
public:
    virtual ~AudioOutput() = default;

    virtual PcmFormat Format() const = 0;
    // Buffers written and not played yet; takes the played ones back first.
    virtual int QueuedBuffers() = 0;
    // Queues `frames` (at most kBufferFrames) PCM frames in the next buffer, which must be free
    // (QueuedBuffers() < kOutputBuffers). false: the device has failed.
    virtual bool Write(const std::int16_t* pcm, std::size_t frames) = 0;
    // Signalled whenever the device gives a played buffer back.
    virtual HANDLE BufferDoneEvent() const = 0;
    // PCM frames played since the device was opened or last reset; false when it cannot say.
    virtual bool PlayedFrames(std::uint64_t& frames) = 0;
    // PCM frames written since the device was opened or last reset: the count that PlayedFrames
    // will reach when the next frame written starts to sound.
    virtual std::uint64_t WrittenFrames() const = 0;
    virtual void Pause() = 0;
    virtual void Resume() = 0;
    // Drops everything queued; afterwards the device is idle, not paused, and counts from 0.
    virtual void Reset() = 0;
    // Scales what the device plays from now on, queued buffers included: 0 silent, 0xFFFF as
    // written. Devices without a volume of their own ignore it.
    virtual void SetVolume(std::uint16_t level) { static_cast<void>(level); }
};

// Opens an output for `format`; nullptr when there is no device or it refuses the format.
using OutputOpener = std::function<std::unique_ptr<AudioOutput>(const PcmFormat&)>;

} // namespace vbmp3

#endif
