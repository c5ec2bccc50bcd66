#include "vbmp3/core/Id3v2Tag.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "vbmp3/core/Bytes.h"

namespace vbmp3 {
namespace {

constexpr std::uint8_t kTagUnsynchronised = 0x80;
constexpr std::uint8_t kTagExtendedHeader = 0x40; // 2.3 and 2.4
constexpr std::uint8_t kTag22Compressed = 0x40;   // 2.2: the whole tag, in no defined format
constexpr std::uint8_t kTagFooter = 0x10;         // 2.4

// Frame format flags (second flag byte).
constexpr std::uint8_t k23Compressed = 0x80, k23Encrypted = 0x40, k23Grouped = 0x20;
constexpr std::uint8_t k24Grouped = 0x40, k24Compressed = 0x08, k24Encrypted = 0x04,
                       k24Unsynchronised = 0x02, k24DataLength = 0x01;

// The tag body as a byte stream. With 2.2/2.3 tag-level unsynchronisation the stream drops the
// 0x00 inserted after each 0xFF, so that frame headers and sizes read as written.
class Id3v2Body {
public:
    Id3v2Body(BufferedReader& reader, std::uint64_t begin, std::uint64_t end, bool unsynchronised)
        : m_reader(reader), m_nPos(begin), m_nEnd(end), m_bUnsynchronised(unsynchronised) {}

    std::uint64_t Remaining() const { return m_nEnd - m_nPos; }

    bool Read(std::uint8_t* dst, std::size_t count) {
        if (!m_bUnsynchronised) {
            if (count > Remaining() || !m_reader.CopyAt(m_nPos, dst, count)) return false;
            m_nPos += count;
            return true;
        }
        for (std::size_t i = 0; i < count; ++i) {
            if (!NextSynchronisedByte(dst[i])) return false;
        }
        return true;
    }

    bool Skip(std::uint64_t count) {
        if (!m_bUnsynchronised) {
            if (count > Remaining()) return false;
            m_nPos += count;
            return true;
        }
        std::uint8_t ignored;
        for (std::uint64_t i = 0; i < count; ++i) {
            if (!NextSynchronisedByte(ignored)) return false;
        }
        return true;
    }

private:
    bool NextSynchronisedByte(std::uint8_t& out) {
        for (;;) {
            if (m_nPos >= m_nEnd) return false;
            const std::uint8_t* p = m_reader.At(m_nPos, 1);
            if (!p) return false;
            ++m_nPos;
            const bool inserted = m_bAfterFF && *p == 0x00;
            m_bAfterFF = *p == 0xFF;
            if (inserted) {
                m_bAfterFF = false;
                continue;
            }
            out = *p;
            return true;
        }
    }

    BufferedReader& m_reader;
    std::uint64_t m_nPos;
    std::uint64_t m_nEnd;
    bool m_bUnsynchronised;
    bool m_bAfterFF = false;
};

void RemoveUnsynchronisation(std::vector<std::uint8_t>& data) {
    std::size_t out = 0;
    for (std::size_t i = 0; i < data.size(); ++i) {
        data[out++] = data[i];
        if (data[i] == 0xFF && i + 1 < data.size() && data[i + 1] == 0x00) ++i;
    }
    data.resize(out);
}

bool IsFrameIdChar(std::uint8_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

std::optional<TagField> FieldOfFrame(const char* id, int majorVersion) {
    static constexpr const char* kIds22[kTagFieldCount] = {"TT2", "TP1", "TAL"};
    static constexpr const char* kIds[kTagFieldCount] = {"TIT2", "TPE1", "TALB"};
    const auto& ids = majorVersion == 2 ? kIds22 : kIds;
    for (int f = 0; f < kTagFieldCount; ++f) {
        if (std::strcmp(id, ids[f]) == 0) return static_cast<TagField>(f);
    }
    return std::nullopt;
}

bool SkipExtendedHeader(Id3v2Body& body, int majorVersion) {
    std::uint8_t sizeBytes[4];
    if (!body.Read(sizeBytes, 4)) return false;
    if (majorVersion == 3) return body.Skip(ReadBe32(sizeBytes)); // size excludes itself
    const std::uint32_t size = ReadSyncsafe32(sizeBytes);         // 2.4: includes itself
    return size >= 6 && body.Skip(size - 4);
}

struct FrameHeader {
    char id[5] = {};
    std::uint32_t size = 0;
    std::uint8_t formatFlags = 0;
};

// Reads one frame header; false at the padding, at the end, or at anything that is no frame.
bool ReadFrameHeader(Id3v2Body& body, int majorVersion, FrameHeader& frame) {
    const std::size_t idLength = majorVersion == 2 ? 3 : 4;
    const std::size_t headerLength = majorVersion == 2 ? 6 : 10;
    std::uint8_t h[10];
    if (body.Remaining() < headerLength || !body.Read(h, headerLength)) return false;
    for (std::size_t i = 0; i < idLength; ++i) {
        if (!IsFrameIdChar(h[i])) return false;
        frame.id[i] = static_cast<char>(h[i]);
    }
    if (majorVersion == 2) {
        frame.size = ReadBe24(h + 3);
        return true;
    }
    // Some 2.4 writers stored plain sizes; a byte with its top bit set cannot be synchsafe.
    frame.size =
        (majorVersion == 4 && IsSyncsafe32(h + 4)) ? ReadSyncsafe32(h + 4) : ReadBe32(h + 4);
    frame.formatFlags = h[9];
    return true;
}

// The frame's text body with the frame-level extras removed; nothing for a frame that cannot be
// read as text (compressed, encrypted).
std::optional<std::vector<std::uint8_t>> ReadFrameBody(Id3v2Body& body, const FrameHeader& frame,
                                                       int majorVersion, bool tagUnsynchronised) {
    std::size_t prefix = 0;
    bool unsynchronised = false;
    const std::uint8_t unreadable = majorVersion == 3   ? k23Compressed | k23Encrypted
                                    : majorVersion == 4 ? k24Compressed | k24Encrypted
                                                        : 0;
    if (frame.formatFlags & unreadable) {
        body.Skip(frame.size);
        return std::nullopt;
    }
    if (majorVersion == 3) {
        if (frame.formatFlags & k23Grouped) prefix = 1;
    } else if (majorVersion == 4) {
        prefix = ((frame.formatFlags & k24Grouped) ? 1 : 0) +
                 ((frame.formatFlags & k24DataLength) ? 4 : 0);
        unsynchronised = tagUnsynchronised || (frame.formatFlags & k24Unsynchronised);
    }
    std::vector<std::uint8_t> data(std::min<std::size_t>(frame.size, kMaxTagValueBytes));
    if (!body.Read(data.data(), data.size()) || !body.Skip(frame.size - data.size()))
        return std::nullopt;
    if (unsynchronised) RemoveUnsynchronisation(data);
    if (prefix > data.size()) return std::nullopt;
    data.erase(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(prefix));
    return data;
}

} // namespace

std::optional<Id3v2Header> ParseId3v2Header(const std::uint8_t* p) {
    if (std::memcmp(p, "ID3", 3) != 0 || p[3] < 2 || p[3] > 4 || p[4] == 0xFF ||
        !IsSyncsafe32(p + 6))
        return std::nullopt;
    Id3v2Header h;
    h.majorVersion = p[3];
    h.flags = p[5];
    h.bodySize = ReadSyncsafe32(p + 6);
    h.hasFooter = h.majorVersion == 4 && (h.flags & kTagFooter);
    return h;
}

std::optional<std::uint64_t> ParseId3v2FooterTagSize(const std::uint8_t* p) {
    if (std::memcmp(p, "3DI", 3) != 0 || p[3] != 4 || p[4] == 0xFF || !IsSyncsafe32(p + 6))
        return std::nullopt;
    return std::uint64_t{ReadSyncsafe32(p + 6)} + 2 * kId3v2HeaderSize;
}

void ReadId3v2Texts(BufferedReader& reader, std::uint64_t offset, std::uint64_t end,
                    TagTexts& texts) {
    const std::uint8_t* p = reader.At(offset, kId3v2HeaderSize);
    if (!p || offset >= end) return;
    const std::optional<Id3v2Header> header = ParseId3v2Header(p);
    if (!header) return;
    const int version = header->majorVersion;
    if (version == 2 && (header->flags & kTag22Compressed)) return;

    const bool tagUnsynchronised = (header->flags & kTagUnsynchronised) != 0;
    const std::uint64_t bodyBegin = offset + kId3v2HeaderSize;
    const std::uint64_t bodyEnd = std::min<std::uint64_t>(bodyBegin + header->bodySize, end);
    if (bodyBegin > bodyEnd) return;
    // 2.4 unsynchronises each frame on its own; earlier versions the whole body.
    Id3v2Body body(reader, bodyBegin, bodyEnd, tagUnsynchronised && version < 4);
    if (version >= 3 && (header->flags & kTagExtendedHeader) && !SkipExtendedHeader(body, version))
        return;

    FrameHeader frame;
    while (!texts.Complete() && ReadFrameHeader(body, version, frame)) {
        if (frame.size > body.Remaining()) return; // a frame larger than its tag
        const std::optional<TagField> field = FieldOfFrame(frame.id, version);
        if (!field || texts.Has(*field)) {
            if (!body.Skip(frame.size)) return;
            continue;
        }
        const auto data = ReadFrameBody(body, frame, version, tagUnsynchronised);
        if (data) texts.Offer(*field, DecodeId3v2Text(data->data(), data->size(), version == 4));
    }
}

} // namespace vbmp3
