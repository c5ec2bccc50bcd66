#include "vbmp3/playback/HeardTime.h"

namespace vbmp3 {

namespace {
constexpr std::uint64_t kMicrosecondsPerSecond = 1000000;
}

void HeardTime::StartSegment(int sampleRate) {
    m_nEarlierMicroseconds = Microseconds();
    m_nSampleRate = sampleRate;
    m_nFrames = 0;
}

void HeardTime::SetPlayedFrames(std::uint64_t frames) {
    m_nFrames = frames;
}

std::uint64_t HeardTime::Microseconds() const {
    if (m_nSampleRate <= 0) return m_nEarlierMicroseconds;
    return m_nEarlierMicroseconds +
           m_nFrames * kMicrosecondsPerSecond / static_cast<std::uint64_t>(m_nSampleRate);
}

int HeardTime::WholeSeconds() const {
    return static_cast<int>(Microseconds() / kMicrosecondsPerSecond);
}

int HeardTime::MillisecondsToNextSecond() const {
    const std::uint64_t left = kMicrosecondsPerSecond - Microseconds() % kMicrosecondsPerSecond;
    return static_cast<int>((left + 999) / 1000);
}

} // namespace vbmp3
