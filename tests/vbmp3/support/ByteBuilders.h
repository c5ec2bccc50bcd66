// Hand-built MP3 files for the parser's tests: frames, summary headers and tags byte by byte, for
// what no tool writes (ID3v2.2, unsynchronisation, broken sizes).
#ifndef TESTS_VBMP3_SUPPORT_BYTEBUILDERS_H
#define TESTS_VBMP3_SUPPORT_BYTEBUILDERS_H

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "vbmp3/core/FileInfo.h"

namespace vbmp3test {

using Bytes = std::vector<std::uint8_t>;

Bytes operator+(Bytes a, const Bytes& b);
Bytes AsBytes(const std::string& text);

// One frame header: versionBits 3 MPEG-1, 2 MPEG-2, 0 MPEG-2.5; layerBits 1 layer III.
struct FrameFields {
    int versionBits = 3;
    int layerBits = 1;
    int bitRateIndex = 9; // 128 kbit/s for MPEG-1 layer III
    int sampleRateIndex = 0;
    int channelMode = 0;
    bool padded = false;
};
std::uint32_t FrameHeaderBits(const FrameFields& fields);
// A whole frame: header, then zeros (with a byte pattern that holds no sync word).
Bytes Frame(const FrameFields& fields = {});
Bytes Frames(int count, const FrameFields& fields = {});
// A first frame carrying a Xing ("Xing"/"Info") header with a frame count and optionally a LAME
// tag with encoder delay and padding.
Bytes XingFrame(const FrameFields& fields, const char* magic, std::optional<std::uint32_t> frames,
                std::optional<std::pair<int, int>> lameDelayPadding);
Bytes VbriFrame(const FrameFields& fields, std::uint32_t frames);

// ID3v2 pieces. Sizes in `Id3v2Tag` are computed from the content; `bodySizeOverride` lies.
Bytes Syncsafe(std::uint32_t value);
Bytes BigEndian32(std::uint32_t value);
Bytes Unsynchronise(const Bytes& data);
Bytes TextBody(std::uint8_t encoding, const Bytes& text);
// A 2.2 frame (3-letter id) or 2.3/2.4 frame (4-letter id; 2.4 sizes synchsafe).
Bytes Id3v2Frame(int version, const std::string& id, const Bytes& body,
                 std::uint8_t formatFlags = 0);
Bytes Id3v2Tag(int version, const Bytes& frames, std::uint8_t flags = 0,
               std::optional<std::uint32_t> bodySizeOverride = std::nullopt);

// ID3v1.1 with title, artist and album (each cut or zero-padded to 30 bytes).
Bytes Id3v1(const Bytes& title, const Bytes& artist, const Bytes& album = {});
// APEv2 with header and footer; items are key/value texts.
Bytes ApeV2(const std::vector<std::pair<std::string, Bytes>>& items);

// The library's reading of `file`, nothing when it rejects the file.
std::optional<vbmp3::FileInfo> ReadInfo(const Bytes& file);

} // namespace vbmp3test

#endif
