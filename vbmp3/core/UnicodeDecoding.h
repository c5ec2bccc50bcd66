// Tag texts to Unicode characters. Broken sequences (stray UTF-8 bytes, lone surrogates) become
// U+FFFD rather than failing the whole text.
#ifndef VBMP3_CORE_UNICODEDECODING_H
#define VBMP3_CORE_UNICODEDECODING_H

#include <cstddef>
#include <cstdint>
#include <string>

namespace vbmp3 {

constexpr char32_t kReplacementCharacter = 0xFFFD;

std::u32string DecodeUtf8(const std::uint8_t* p, std::size_t n);

// UTF-16 without a byte order mark in the given byte order (the caller deals with the mark).
std::u32string DecodeUtf16(const std::uint8_t* p, std::size_t n, bool bigEndian);

// ISO-8859-1, except that 0x80..0x9F, control codes that no real text holds, are read as the
// Windows-1252 punctuation (curly quotes, dashes) that Windows taggers actually wrote there.
std::u32string DecodeLatin1(const std::uint8_t* p, std::size_t n);

} // namespace vbmp3

#endif
