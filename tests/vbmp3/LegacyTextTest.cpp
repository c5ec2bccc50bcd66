// Deciding whether untyped tag bytes are Japanese Shift-JIS or Latin-1.
#include <gtest/gtest.h>

#include <string>

#include "vbmp3/core/LegacyText.h"

namespace {

bool ReadsAsShiftJis(const std::string& s) {
    return vbmp3::ReadsAsShiftJis(reinterpret_cast<const std::uint8_t*>(s.data()), s.size());
}

std::string ToCp932(const std::string& s) {
    return vbmp3::LegacyTextToCp932(reinterpret_cast<const std::uint8_t*>(s.data()), s.size());
}

TEST(LegacyText, JapaneseAsJapaneseTaggersWroteItPassesThrough) {
    for (const std::string text :
         {"日本語", "さくら", "カタカナ", "ｶﾗｵｹ Version", "花火", "DJアスカ", "Ｔｏｋｙｏ",
          "夜に駆ける（Live）", "表参道～ソナタ"}) {
        EXPECT_TRUE(ReadsAsShiftJis(text)) << text;
        EXPECT_EQ(ToCp932(text), text);
    }
}

TEST(LegacyText, AccentedLatin1StaysLatin1EvenWhenTheBytesAreValidShiftJis) {
    // Several of these are valid code page 932 byte sequences (level-2 kanji, half-width kana).
    for (const std::string text : {"Caf\xE9", "F\xFCr Elise",
                                   "M\xE4"
                                   "dchen",
                                   "\xDC"
                                   "ber alles",
                                   "Les Mis\xE9rables", "Can\xE7\xE3o", "D\xE9j\xE0 vu", "na\xEFve",
                                   "Se\xF1orita", "\xC9t\xE9", "Don\x92t Stop",
                                   "\xC7"
                                   "a ira",
                                   "Sigur R\xF3s", "Bj\xF6rk"}) {
        EXPECT_FALSE(ReadsAsShiftJis(text)) << text;
    }
    EXPECT_EQ(ToCp932("M\xE4"
                      "dchen"),
              "Madchen");
    EXPECT_EQ(ToCp932("Don\x92t Stop"), "Don\x81\x66t Stop"); // U+2019 in code page 932
}

TEST(LegacyText, AsciiIsUnchangedEitherWay) {
    EXPECT_FALSE(ReadsAsShiftJis("Plain title (2004) \\ ~"));
    EXPECT_EQ(ToCp932("Plain title (2004) \\ ~"), "Plain title (2004) \\ ~");
}

TEST(LegacyText, BrokenShiftJisIsReadAsLatin1) {
    EXPECT_FALSE(ReadsAsShiftJis("日本\x93"));     // lead byte cut off
    EXPECT_FALSE(ReadsAsShiftJis("\xF0\x40日本")); // user-defined area
    EXPECT_FALSE(ReadsAsShiftJis("\x85\x40"));     // undefined row
}

} // namespace
