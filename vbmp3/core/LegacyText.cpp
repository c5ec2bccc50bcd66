#include "vbmp3/core/LegacyText.h"

#include "vbmp3/core/Cp932.h"
#include "vbmp3/core/UnicodeDecoding.h"

namespace vbmp3 {
namespace {

bool IsAsciiLetter(std::uint8_t b) {
    return (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z');
}

// Symbols, full-width digits and letters, hiragana, katakana, level-1 kanji.
bool IsJapaneseDoubleByte(unsigned code) {
    return (code >= 0x8140 && code <= 0x82FC) || (code >= 0x8340 && code <= 0x8396) ||
           (code >= 0x889F && code <= 0x9872);
}

} // namespace

bool ReadsAsShiftJis(const std::uint8_t* p, std::size_t n) {
    int anchors = 0;
    int others = 0;
    bool previousWasLetter = false;
    std::size_t i = 0;
    while (i < n) {
        const std::uint8_t b = p[i];
        if (b < 0x80) {
            previousWasLetter = IsAsciiLetter(b);
            ++i;
            continue;
        }
        if (cp932::IsHalfWidthKatakana(b)) {
            std::size_t run = 0;
            while (i + run < n && cp932::IsHalfWidthKatakana(p[i + run]))
                ++run;
            (run >= 2 ? anchors : others) += static_cast<int>(run);
            i += run;
            previousWasLetter = false;
            continue;
        }
        if (!cp932::IsLeadByte(b) || i + 1 >= n) return false;
        const std::uint8_t trail = p[i + 1];
        if (cp932::DoubleByteToUnicode(b, trail) == 0) return false;
        const bool wedgedInLatinWord = previousWasLetter && IsAsciiLetter(trail);
        if (IsJapaneseDoubleByte(unsigned{b} << 8 | trail) && !wedgedInLatinWord)
            ++anchors;
        else
            ++others;
        previousWasLetter = false;
        i += 2;
    }
    return anchors > 0 && anchors >= others;
}

std::string LegacyTextToCp932(const std::uint8_t* p, std::size_t n) {
    if (ReadsAsShiftJis(p, n)) return std::string(reinterpret_cast<const char*>(p), n);
    return cp932::Encode(DecodeLatin1(p, n));
}

} // namespace vbmp3
