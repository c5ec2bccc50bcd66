// The playing time of what the audio device has played (not of what has been decoded), in whole
// seconds. The device counts PCM frames from zero whenever it is opened or reset; a change of
// format inside a file reopens it, so the time of the earlier formats is carried over.
#ifndef VBMP3_PLAYBACK_HEARDTIME_H
#define VBMP3_PLAYBACK_HEARDTIME_H

#include <cstdint>

namespace vbmp3 {

class HeardTime {
public:
    // The time of the first sample played: 0 for a play from the start, the landing time of a
    // seek.
    explicit HeardTime(std::uint64_t startMicroseconds = 0)
        : m_nEarlierMicroseconds(startMicroseconds) {}

    // The device starts counting from zero at `sampleRate` Hz: at the start of a track and after
    // each reopening.
    void StartSegment(int sampleRate);
    // The device's count of frames played since the segment started.
    void SetPlayedFrames(std::uint64_t frames);

    std::uint64_t Microseconds() const;
    int WholeSeconds() const;
    // Milliseconds of playing until WholeSeconds() next changes (at least 1).
    int MillisecondsToNextSecond() const;

private:
    std::uint64_t m_nEarlierMicroseconds; // of the start and the segments before the current one
    int m_nSampleRate = 0;
    std::uint64_t m_nFrames = 0; // of the current segment
};

} // namespace vbmp3

#endif
