// Shift-JIS (code page 932) byte-string helpers. Platform-free.
//
// A double-byte character's second byte may be 0x5C ('\\') or any other ASCII-range value, so a
// search for a path separator must walk the string from its start, character by character.
#pragma once

#include <string>

namespace sjis {

// First byte of a double-byte character in code page 932.
constexpr bool IsLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Offset of the last single-byte character `ch` in `s` (never the second byte of a double-byte
// character), or std::string::npos.
size_t FindLastChar(const std::string& s, char ch);

// Offset of the last path separator ('\\' or '/'), as FindLastChar.
size_t FindLastSeparator(const std::string& s);

} // namespace sjis
