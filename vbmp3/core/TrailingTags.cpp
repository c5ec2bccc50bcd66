#include "vbmp3/core/TrailingTags.h"

#include <cstring>

#include "vbmp3/core/Bytes.h"
#include "vbmp3/core/Id3v2Tag.h"

namespace vbmp3 {
namespace {

constexpr std::uint64_t kId3v1Size = 128;
constexpr std::uint64_t kApeFooterSize = 32;
constexpr std::uint32_t kApeHasHeader = 0x80000000u;
constexpr std::uint64_t kLyrics3v2TrailerSize = 6 + 9; // size digits, "LYRICS200"
constexpr std::uint64_t kLyrics3v1MaxSize = 5100 + 11 + 9;

bool Matches(BufferedReader& reader, std::uint64_t offset, const char* magic) {
    const std::size_t n = std::strlen(magic);
    const std::uint8_t* p = reader.At(offset, n);
    return p && std::memcmp(p, magic, n) == 0;
}

// Each finder returns where its tag starts when one ends at `end`.
std::optional<std::uint64_t> FindId3v1(BufferedReader& reader, std::uint64_t begin,
                                       std::uint64_t end) {
    if (end - begin < kId3v1Size || !Matches(reader, end - kId3v1Size, "TAG")) return std::nullopt;
    return end - kId3v1Size;
}

std::optional<ApeTagLocation> FindApe(BufferedReader& reader, std::uint64_t begin,
                                      std::uint64_t end) {
    if (end - begin < kApeFooterSize) return std::nullopt;
    const std::uint64_t footer = end - kApeFooterSize;
    const std::uint8_t* p = reader.At(footer, kApeFooterSize);
    if (!p || std::memcmp(p, "APETAGEX", 8) != 0) return std::nullopt;
    const std::uint32_t version = ReadLe32(p + 8);
    const std::uint64_t size = ReadLe32(p + 12); // items and footer
    const std::uint32_t count = ReadLe32(p + 16);
    const std::uint32_t flags = ReadLe32(p + 20);
    const std::uint64_t header = (version >= 2000 && (flags & kApeHasHeader)) ? kApeFooterSize : 0;
    if (size < kApeFooterSize || size + header > end - begin) return std::nullopt;
    const std::uint64_t itemsBegin = end - size;
    const bool headerThere = header != 0 && Matches(reader, itemsBegin - header, "APETAGEX");
    return ApeTagLocation{headerThere ? itemsBegin - header : itemsBegin, itemsBegin, footer, count,
                          version};
}

std::optional<std::uint64_t> FindLyrics3(BufferedReader& reader, std::uint64_t begin,
                                         std::uint64_t end) {
    if (end - begin >= kLyrics3v2TrailerSize && Matches(reader, end - 9, "LYRICS200")) {
        const std::uint8_t* digits = reader.At(end - kLyrics3v2TrailerSize, 6);
        if (!digits) return std::nullopt;
        std::uint64_t size = 0;
        for (int i = 0; i < 6; ++i) {
            if (digits[i] < '0' || digits[i] > '9') return std::nullopt;
            size = size * 10 + (digits[i] - '0');
        }
        if (size + kLyrics3v2TrailerSize > end - begin) return std::nullopt;
        const std::uint64_t start = end - kLyrics3v2TrailerSize - size;
        if (Matches(reader, start, "LYRICSBEGIN")) return start;
        return std::nullopt;
    }
    if (end - begin >= 20 && Matches(reader, end - 9, "LYRICSEND")) {
        // Version 1 has no size: its start is the last "LYRICSBEGIN" within 5100 bytes of lyrics.
        const std::uint64_t span =
            end - begin < kLyrics3v1MaxSize ? end - begin : kLyrics3v1MaxSize;
        for (std::uint64_t start = end - 20;; --start) {
            if (Matches(reader, start, "LYRICSBEGIN")) return start;
            if (start == end - span) break;
        }
    }
    return std::nullopt;
}

std::optional<std::uint64_t> FindFootedId3v2(BufferedReader& reader, std::uint64_t begin,
                                             std::uint64_t end) {
    if (end - begin < 2 * kId3v2HeaderSize) return std::nullopt;
    const std::uint8_t* p = reader.At(end - kId3v2HeaderSize, kId3v2HeaderSize);
    const std::optional<std::uint64_t> size = p ? ParseId3v2FooterTagSize(p) : std::nullopt;
    if (!size || *size > end - begin || !Matches(reader, end - *size, "ID3")) return std::nullopt;
    return end - *size;
}

} // namespace

TrailingTags FindTrailingTags(BufferedReader& reader, std::uint64_t begin, std::uint64_t end) {
    TrailingTags tags;
    // Each round removes one tag, so the number of rounds is bounded by the kinds of tag.
    for (int round = 0; round < 8; ++round) {
        if (auto start = FindId3v1(reader, begin, end); start && !tags.id3v1) {
            tags.id3v1 = *start;
            end = *start;
        } else if (auto ape = FindApe(reader, begin, end); ape && !tags.ape) {
            tags.ape = *ape;
            end = ape->tagBegin;
        } else if (auto lyrics = FindLyrics3(reader, begin, end); lyrics && !tags.hasLyrics3) {
            tags.hasLyrics3 = true;
            end = *lyrics;
        } else if (auto id3v2 = FindFootedId3v2(reader, begin, end); id3v2 && !tags.id3v2) {
            tags.id3v2 = *id3v2;
            end = *id3v2;
        } else {
            break;
        }
    }
    tags.audioEnd = end;
    return tags;
}

} // namespace vbmp3
