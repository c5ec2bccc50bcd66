#include "tests/vbmp3/playback/support/PlaybackSamples.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

namespace vbmp3test {
namespace {

std::uint32_t Le32(const unsigned char* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

} // namespace

std::string PlaybackSample(const std::string& name) {
    const char* folder = std::getenv("VBMP3_PLAYBACK_FILES");
    std::string path = std::string("Z:") + (folder ? folder : "") + "/" + name;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

Pcm Pcm::Slice(std::size_t first, std::size_t count) const {
    Pcm slice{sampleRate, channels, {}};
    const std::size_t begin = std::min(first, Frames()) * channels;
    const std::size_t end = std::min(first + count, Frames()) * channels;
    slice.samples.assign(samples.begin() + begin, samples.begin() + end);
    return slice;
}

Pcm& Pcm::operator+=(const Pcm& more) {
    if (!channels) {
        sampleRate = more.sampleRate;
        channels = more.channels;
    }
    samples.insert(samples.end(), more.samples.begin(), more.samples.end());
    return *this;
}

Pcm ReadWavFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    Pcm pcm;
    if (bytes.size() < 12 || std::memcmp(p, "RIFF", 4) != 0) return pcm;
    // Chunk by chunk: mpg123 writes a longer "fmt " chunk than the library does.
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::uint32_t size = Le32(p + at + 4);
        const std::size_t body = at + 8;
        if (std::memcmp(p + at, "fmt ", 4) == 0 && size >= 16) {
            pcm.channels = p[body + 2] | p[body + 3] << 8;
            pcm.sampleRate = static_cast<int>(Le32(p + body + 4));
        } else if (std::memcmp(p + at, "data", 4) == 0) {
            const std::size_t available = std::min<std::size_t>(size, bytes.size() - body);
            pcm.samples.resize(available / 2);
            std::memcpy(pcm.samples.data(), p + body, pcm.samples.size() * 2);
            break;
        }
        at = body + size + (size & 1);
    }
    return pcm;
}

::testing::AssertionResult PcmWithin(const Pcm& actual, const Pcm& expected, int lsb) {
    if (actual.sampleRate != expected.sampleRate || actual.channels != expected.channels)
        return ::testing::AssertionFailure()
               << "format " << actual.sampleRate << " Hz x" << actual.channels << ", expected "
               << expected.sampleRate << " Hz x" << expected.channels;
    if (actual.Frames() != expected.Frames())
        return ::testing::AssertionFailure()
               << actual.Frames() << " frames, expected " << expected.Frames();
    for (std::size_t i = 0; i < actual.samples.size(); ++i) {
        if (std::abs(actual.samples[i] - expected.samples[i]) > lsb)
            return ::testing::AssertionFailure()
                   << "frame " << i / actual.channels << ": " << actual.samples[i] << ", expected "
                   << expected.samples[i] << " (within " << lsb << ")";
    }
    return ::testing::AssertionSuccess();
}

} // namespace vbmp3test
