// Code page 932, the program's own text encoding, in both directions, through the generated
// tables (generated/Cp932Tables.cpp) so that every build converts alike.
#ifndef VBMP3_CORE_CP932_H
#define VBMP3_CORE_CP932_H

#include <cstdint>
#include <string>
#include <string_view>

namespace vbmp3::cp932 {

// Written for a character that code page 932 cannot show, and for broken input sequences.
constexpr char kReplacement = '?';

inline bool IsLeadByte(std::uint8_t b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
inline bool IsHalfWidthKatakana(std::uint8_t b) {
    return b >= 0xA1 && b <= 0xDF;
}

// The Unicode character of a double-byte code, 0 when code page 932 leaves it undefined.
char32_t DoubleByteToUnicode(std::uint8_t lead, std::uint8_t trail);

// Appends the code page 932 spelling of one character to `out`: its own code, a chosen or a
// fallback spelling (e-acute as e), or kReplacement.
void AppendEncoded(char32_t codePoint, std::string& out);

std::string Encode(std::u32string_view text);

// For terminals and tests: code page 932 bytes to UTF-8; undefined codes and stray bytes become
// U+FFFD.
std::string ToUtf8(std::string_view cp932);

} // namespace vbmp3::cp932

#endif
