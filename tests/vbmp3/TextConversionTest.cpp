// Unicode to code page 932 and back, through the generated tables.
#include <gtest/gtest.h>

#include "vbmp3/core/Cp932.h"
#include "vbmp3/core/UnicodeDecoding.h"

namespace {

using vbmp3::cp932::Encode;

TEST(Cp932Encoding, JapaneseTextMatchesTheCompilersCodePage932) {
    // The test's literals are stored as code page 932 by the compiler: an independent reference.
    EXPECT_EQ(Encode(U"日本語のタイトル、ｶﾀｶﾅ"), "日本語のタイトル、ｶﾀｶﾅ");
    // Trail byte 0x5C, the path separator's value.
    EXPECT_EQ(Encode(U"表ソ能"), "\x95\x5C\x83\x5C\x94\x5C");
}

TEST(Cp932Encoding, CharactersWhereJisAndCodePage932DisagreeTakeTheJapaneseLookAlike) {
    EXPECT_EQ(Encode(U"\u301C"), "\x81\x60"); // WAVE DASH, shown as the tilde-like dash
    EXPECT_EQ(Encode(U"\uFF5E"), "\x81\x60");
    EXPECT_EQ(Encode(U"\u2016"), "\x81\x61");
    EXPECT_EQ(Encode(U"\u2212"), "\x81\x7C");
    EXPECT_EQ(Encode(U"\u00A2\u00A3\u00AC"), "\x81\x91\x81\x92\x81\xCA");
    EXPECT_EQ(Encode(U"\u2014"), "\x81\x5C");
    EXPECT_EQ(Encode(U"\u00A5"), "\x81\x8F"); // not 0x5C, a path separator for the program
}

TEST(Cp932Encoding, MissingCharactersFallBackToBaseLettersOrQuestionMark) {
    EXPECT_EQ(Encode(U"Caf\u00E9 \u00D1and\u00FA Stra\u00DFe \u0152uvre"),
              "Cafe Nandu Strasse OEuvre");
    EXPECT_EQ(Encode(U"\u2013"), "-");
    EXPECT_EQ(Encode(U"\U0001D400"), "A");               // mathematical bold A
    EXPECT_EQ(Encode(U"\U0001F600\uAC00\uFFFD"), "???"); // emoji, Hangul, broken input
}

TEST(Cp932Decoding, ToUtf8ReadsDoubleByteHalfWidthAndBrokenBytes) {
    EXPECT_EQ(vbmp3::cp932::ToUtf8("日本ｱ\\"), u8"日本ｱ\\");
    EXPECT_EQ(vbmp3::cp932::ToUtf8("\x81\x60"), u8"\uFF5E");
    EXPECT_EQ(vbmp3::cp932::ToUtf8("a\x81"), u8"a\uFFFD");    // lead byte without trail
    EXPECT_EQ(vbmp3::cp932::ToUtf8("\xF0\x40"), u8"\uFFFD@"); // user-defined area
}

TEST(UnicodeDecoding, BrokenUtf8BecomesReplacementCharacters) {
    const std::uint8_t text[] = {'a',  0xC3, 0xA9, 0xC0, 0xAF, 0xE3, 0x81, 'b',
                                 0xED, 0xA0, 0x80, 0xF0, 0x9F, 0x98, 0x80};
    EXPECT_EQ(vbmp3::DecodeUtf8(text, sizeof text),
              U"a\u00E9\uFFFD\uFFFD\uFFFD\uFFFDb\uFFFD\uFFFD\uFFFD\U0001F600");
}

TEST(UnicodeDecoding, Utf16SurrogatePairsAndLoneSurrogates) {
    const std::uint8_t le[] = {0x3D, 0xD8, 0x00, 0xDE, 0x00, 0xDC, 0x42, 0x30};
    EXPECT_EQ(vbmp3::DecodeUtf16(le, sizeof le, false), U"\U0001F600\uFFFD\u3042");
    const std::uint8_t be[] = {0x30, 0x42, 0xD8}; // odd length: the last byte is dropped
    EXPECT_EQ(vbmp3::DecodeUtf16(be, sizeof be, true), U"\u3042");
}

TEST(UnicodeDecoding, Latin1ReadsWindows1252PunctuationInTheControlRange) {
    const std::uint8_t text[] = {'D', 'o', 'n', 0x92, 't', 0x81, 0xE9};
    EXPECT_EQ(vbmp3::DecodeLatin1(text, sizeof text), U"Don\u2019t\uFFFD\u00E9");
}

} // namespace
