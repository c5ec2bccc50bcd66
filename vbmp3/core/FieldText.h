// Puts a code page 932 text into a fixed-size record field.
#ifndef VBMP3_CORE_FIELDTEXT_H
#define VBMP3_CORE_FIELDTEXT_H

#include <cstddef>
#include <string_view>

namespace vbmp3 {

// Writes `text` into `field` (`capacity` bytes, at least 1) so that:
//  - control codes (C0 and DEL) are spaces: the player stores titles as INI lines, which a CR or
//    LF would break;
//  - the text is cut at a character boundary, never between a lead and a trail byte, to at most
//    capacity - 1 bytes; a lead byte without its trail byte becomes '?';
//  - trailing spaces are dropped (ID3v1 pads with them) and the rest of the field is zero.
void FitTextToField(std::string_view text, char* field, std::size_t capacity);

} // namespace vbmp3

#endif
