// Title, artist and album items of an APEv1/v2 tag.
#ifndef VBMP3_CORE_APETAG_H
#define VBMP3_CORE_APETAG_H

#include "vbmp3/core/BufferedReader.h"
#include "vbmp3/core/TagTexts.h"
#include "vbmp3/core/TrailingTags.h"

namespace vbmp3 {

// Offers the tag's texts to `texts`. APEv2 values are UTF-8 (several values separated by zeros
// are joined with '/'); APEv1 named no encoding, so its values are read as legacy bytes. Items
// that run past the footer end the reading.
void ReadApeTexts(BufferedReader& reader, const ApeTagLocation& ape, TagTexts& texts);

} // namespace vbmp3

#endif
