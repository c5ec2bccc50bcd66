// Texts whose tag names no encoding or names ISO-8859-1: the ID3v1 fields and ID3v2 text frames
// with encoding byte 0. Japanese taggers wrote Shift-JIS bytes into them, European ones Latin-1.
#ifndef VBMP3_CORE_LEGACYTEXT_H
#define VBMP3_CORE_LEGACYTEXT_H

#include <cstddef>
#include <cstdint>
#include <string>

namespace vbmp3 {

// True when the bytes read as Japanese Shift-JIS text and should pass through unchanged:
//  1. they are valid code page 932 (every lead byte has its trail byte, every double-byte code
//     is defined, nothing in the user-defined area, no 0x80, 0xA0 or 0xFD..0xFF), and
//  2. they hold at least one Japanese anchor, and no more other non-ASCII characters than
//     anchors.
// Anchors are what Japanese text is made of and Latin-1 text cannot produce: double-byte
// symbols and full-width forms (lead 0x81, 0x82), hiragana, katakana, JIS level-1 kanji, and
// half-width katakana in runs of two or more. A double-byte character whose trail byte is an
// ASCII letter and which follows an ASCII letter is not an anchor: that is how a Windows-1252
// apostrophe inside an English word looks ("Don't" with U+2019 reads as a level-1 kanji).
// Others are what accented Latin-1 text turns into: JIS level-2 kanji, extension characters,
// Greek, Cyrillic, box drawing, and single half-width katakana between Latin letters (an
// upper-case accented letter). "Caf\xE9", "F\xFCr", "M\xE4dchen", "\xDC" all stay Latin-1.
bool ReadsAsShiftJis(const std::uint8_t* p, std::size_t n);

// Code page 932 text of legacy bytes: the bytes themselves when they read as Shift-JIS, else
// their Latin-1 characters converted. Decided for each text (each field) on its own.
std::string LegacyTextToCp932(const std::uint8_t* p, std::size_t n);

} // namespace vbmp3

#endif
