// ID3v2.2, 2.3 and 2.4 tags: where they are and their title, artist and album frames.
#ifndef VBMP3_CORE_ID3V2TAG_H
#define VBMP3_CORE_ID3V2TAG_H

#include <cstdint>
#include <optional>

#include "vbmp3/core/BufferedReader.h"
#include "vbmp3/core/TagTexts.h"

namespace vbmp3 {

constexpr std::size_t kId3v2HeaderSize = 10;

struct Id3v2Header {
    int majorVersion; // 2, 3 or 4
    std::uint8_t flags;
    std::uint32_t bodySize; // after the header, without the footer
    bool hasFooter;
    std::uint64_t TotalSize() const { return kId3v2HeaderSize + bodySize + (hasFooter ? 10 : 0); }
};

// The header at `p` (10 bytes); nothing when they are not an ID3v2.2-2.4 header.
std::optional<Id3v2Header> ParseId3v2Header(const std::uint8_t* p);

// The size of a tag whose 10-byte footer ("3DI") is at `p`, header and footer included.
std::optional<std::uint64_t> ParseId3v2FooterTagSize(const std::uint8_t* p);

// Offers the tag's texts at `offset` to `texts`. Reads at most the tag's declared size and never
// past `end`; a damaged tag yields the frames read before the damage.
void ReadId3v2Texts(BufferedReader& reader, std::uint64_t offset, std::uint64_t end,
                    TagTexts& texts);

// The text of a text frame's body (encoding byte first) in code page 932. ID3v2.4 separates
// several values with zeros: they are joined with '/', as ID3v2.3 wrote them; older versions end
// the text at the first zero.
std::string DecodeId3v2Text(const std::uint8_t* body, std::size_t size, bool multipleValues);

} // namespace vbmp3

#endif
