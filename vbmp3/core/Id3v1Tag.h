// ID3v1 and ID3v1.1: 128 bytes at the end of the file with fixed 30-byte fields.
#ifndef VBMP3_CORE_ID3V1TAG_H
#define VBMP3_CORE_ID3V1TAG_H

#include <cstdint>

#include "vbmp3/core/BufferedReader.h"
#include "vbmp3/core/TagTexts.h"

namespace vbmp3 {

// Offers the title, artist and album of the tag at `offset` to `texts`. Each field ends at its
// first zero byte (v1.1 keeps the track number behind one in the comment, which is not read);
// each is judged on its own as Shift-JIS or Latin-1.
void ReadId3v1Texts(BufferedReader& reader, std::uint64_t offset, TagTexts& texts);

} // namespace vbmp3

#endif
