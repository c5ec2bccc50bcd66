#include "tests/vbmp3/support/ByteBuilders.h"

#include <cstring>

namespace vbmp3test {

Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes AsBytes(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

std::uint32_t FrameHeaderBits(const FrameFields& s) {
    return 0xFFE00000u | std::uint32_t(s.versionBits) << 19 | std::uint32_t(s.layerBits) << 17 |
           1u << 16 /* no CRC */ | std::uint32_t(s.bitRateIndex) << 12 |
           std::uint32_t(s.sampleRateIndex) << 10 | (s.padded ? 1u << 9 : 0u) |
           std::uint32_t(s.channelMode) << 6;
}

namespace {

std::size_t FrameSize(const FrameFields& fields) {
    const std::uint32_t bits = FrameHeaderBits(fields);
    const std::uint8_t header[4] = {std::uint8_t(bits >> 24), std::uint8_t(bits >> 16),
                                    std::uint8_t(bits >> 8), std::uint8_t(bits)};
    return static_cast<std::size_t>(vbmp3::ParseMpegFrameHeader(header)->frameBytes);
}

void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = std::uint8_t(v >> (24 - 8 * i));
}

} // namespace

Bytes Frame(const FrameFields& fields) {
    Bytes frame(FrameSize(fields), 0x55);
    Put32(frame, 0, FrameHeaderBits(fields));
    return frame;
}

Bytes Frames(int count, const FrameFields& fields) {
    Bytes out;
    for (int i = 0; i < count; ++i)
        out = out + Frame(fields);
    return out;
}

Bytes XingFrame(const FrameFields& fields, const char* magic, std::optional<std::uint32_t> frames,
                std::optional<std::pair<int, int>> lameDelayPadding) {
    Bytes frame(FrameSize(fields), 0);
    Put32(frame, 0, FrameHeaderBits(fields));
    const bool mono = fields.channelMode == 3;
    std::size_t pos = 4 + (fields.versionBits == 3 ? (mono ? 17 : 32) : (mono ? 9 : 17));
    std::memcpy(&frame[pos], magic, 4);
    Put32(frame, pos + 4, frames ? 1u : 0u);
    pos += 8;
    if (frames) {
        Put32(frame, pos, *frames);
        pos += 4;
    }
    if (lameDelayPadding) {
        std::memcpy(&frame[pos], "LAME3.100", 9);
        const std::uint32_t packed =
            std::uint32_t(lameDelayPadding->first) << 12 | lameDelayPadding->second;
        frame[pos + 21] = std::uint8_t(packed >> 16);
        frame[pos + 22] = std::uint8_t(packed >> 8);
        frame[pos + 23] = std::uint8_t(packed);
    }
    return frame;
}

Bytes VbriFrame(const FrameFields& fields, std::uint32_t frames) {
    Bytes frame(FrameSize(fields), 0);
    Put32(frame, 0, FrameHeaderBits(fields));
    std::memcpy(&frame[36], "VBRI", 4);
    Put32(frame, 36 + 14, frames);
    return frame;
}

Bytes Syncsafe(std::uint32_t v) {
    return {std::uint8_t(v >> 21 & 0x7F), std::uint8_t(v >> 14 & 0x7F), std::uint8_t(v >> 7 & 0x7F),
            std::uint8_t(v & 0x7F)};
}

Bytes BigEndian32(std::uint32_t v) {
    return {std::uint8_t(v >> 24), std::uint8_t(v >> 16), std::uint8_t(v >> 8), std::uint8_t(v)};
}

Bytes Unsynchronise(const Bytes& data) {
    Bytes out;
    for (std::size_t i = 0; i < data.size(); ++i) {
        out.push_back(data[i]);
        const bool needsZero = data[i] == 0xFF && (i + 1 == data.size() || data[i + 1] == 0x00 ||
                                                   (data[i + 1] & 0xE0) == 0xE0);
        if (needsZero) out.push_back(0x00);
    }
    return out;
}

Bytes TextBody(std::uint8_t encoding, const Bytes& text) {
    return Bytes{encoding} + text;
}

Bytes Id3v2Frame(int version, const std::string& id, const Bytes& body, std::uint8_t formatFlags) {
    if (version == 2) {
        const auto n = static_cast<std::uint32_t>(body.size());
        return AsBytes(id) + Bytes{std::uint8_t(n >> 16), std::uint8_t(n >> 8), std::uint8_t(n)} +
               body;
    }
    const auto n = static_cast<std::uint32_t>(body.size());
    return AsBytes(id) + (version == 4 ? Syncsafe(n) : BigEndian32(n)) + Bytes{0, formatFlags} +
           body;
}

Bytes Id3v2Tag(int version, const Bytes& frames, std::uint8_t flags,
               std::optional<std::uint32_t> bodySizeOverride) {
    const auto size = bodySizeOverride.value_or(static_cast<std::uint32_t>(frames.size()));
    return AsBytes("ID3") + Bytes{std::uint8_t(version), 0, flags} + Syncsafe(size) + frames;
}

Bytes Id3v1(const Bytes& title, const Bytes& artist, const Bytes& album) {
    Bytes tag = AsBytes("TAG");
    for (const Bytes* field : {&title, &artist, &album}) {
        Bytes f = *field;
        f.resize(30, 0);
        tag = tag + f;
    }
    tag.resize(128, 0);
    tag[125] = 0; // v1.1: zero, then the track number
    tag[126] = 7;
    tag[127] = 12; // genre
    return tag;
}

namespace {

Bytes Le32(std::uint32_t v) {
    return {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16), std::uint8_t(v >> 24)};
}

Bytes ApeHeaderOrFooter(std::uint32_t size, std::uint32_t count, bool isHeader) {
    const std::uint32_t flags = 0x80000000u | (isHeader ? 0x20000000u : 0u);
    return AsBytes("APETAGEX") + Le32(2000) + Le32(size) + Le32(count) + Le32(flags) + Bytes(8, 0);
}

} // namespace

Bytes ApeV2(const std::vector<std::pair<std::string, Bytes>>& items) {
    Bytes body;
    for (const auto& [key, value] : items)
        body = body + Le32(static_cast<std::uint32_t>(value.size())) + Le32(0) + AsBytes(key) +
               Bytes{0} + value;
    const auto size = static_cast<std::uint32_t>(body.size() + 32);
    const auto count = static_cast<std::uint32_t>(items.size());
    return ApeHeaderOrFooter(size, count, true) + body + ApeHeaderOrFooter(size, count, false);
}

std::optional<vbmp3::FileInfo> ReadInfo(const Bytes& file) {
    vbmp3::MemoryByteSource source(file.data(), file.size());
    vbmp3::FileInfo info;
    if (!vbmp3::ReadFileInfo(source, info)) return std::nullopt;
    return info;
}

} // namespace vbmp3test
