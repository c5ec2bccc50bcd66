// Tags appended after the audio: ID3v1, APEv1/v2, Lyrics3 v1/v2 and a footed ID3v2.4, in any
// order and combination. Finding them gives the end of the audio.
#ifndef VBMP3_CORE_TRAILINGTAGS_H
#define VBMP3_CORE_TRAILINGTAGS_H

#include <cstdint>
#include <optional>

#include "vbmp3/core/BufferedReader.h"

namespace vbmp3 {

struct ApeTagLocation {
    std::uint64_t tagBegin; // the header when there is one, else the first item
    std::uint64_t itemsBegin;
    std::uint64_t itemsEnd; // where the footer starts
    std::uint32_t itemCount;
    std::uint32_t version; // 1000 or 2000
};

struct TrailingTags {
    std::uint64_t audioEnd; // the first byte of the first trailing tag, or the end searched
    std::optional<std::uint64_t> id3v1; // offset of the 128-byte tag
    std::optional<ApeTagLocation> ape;
    std::optional<std::uint64_t> id3v2; // offset of an appended ID3v2 tag's header
    bool hasLyrics3 = false;
};

// Peels tags off the end of [begin, end) until none is left; a tag that would reach before
// `begin` is not taken.
TrailingTags FindTrailingTags(BufferedReader& reader, std::uint64_t begin, std::uint64_t end);

} // namespace vbmp3

#endif
