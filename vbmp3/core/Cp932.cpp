#include "vbmp3/core/Cp932.h"

#include <algorithm>
#include <bitset>

#include "vbmp3/core/Cp932Tables.h"

namespace vbmp3::cp932 {
namespace {

int LeadIndex(std::uint8_t lead) {
    return lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + 31;
}

void AppendUtf8(char32_t c, std::string& out) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace

char32_t DoubleByteToUnicode(std::uint8_t lead, std::uint8_t trail) {
    if (!IsLeadByte(lead) || trail < kTrailFirst || trail > 0xFC) return 0;
    return kDoubleByteToUnicode[LeadIndex(lead)][trail - kTrailFirst];
}

void AppendEncoded(char32_t codePoint, std::string& out) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
        return;
    }
    const SpellingPage* end = kSpellingPages + kSpellingPageCount;
    const SpellingPage* page =
        std::lower_bound(kSpellingPages, end, codePoint,
                         [](const SpellingPage& p, char32_t c) { return p.page < (c >> 8); });
    const unsigned bit = codePoint & 0xFF;
    if (page == end || page->page != (codePoint >> 8) ||
        !(page->present[bit >> 3] & (1u << (bit & 7)))) {
        out += kReplacement;
        return;
    }
    // The spellings of a page follow one another: count the present code points before this one.
    unsigned index = page->firstSpelling;
    for (unsigned i = 0; i < bit >> 3; ++i)
        index += static_cast<unsigned>(std::bitset<8>(page->present[i]).count());
    index += static_cast<unsigned>(
        std::bitset<8>(page->present[bit >> 3] & ((1u << (bit & 7)) - 1)).count());

    const std::uint16_t spelling = kSpellings[index];
    if (spelling < 0x100) {
        out += static_cast<char>(spelling);
    } else if (spelling >= 0xFF00) {
        out.append(reinterpret_cast<const char*>(kThreeByteSpellings[spelling & 0xFF]), 3);
    } else {
        out += static_cast<char>(spelling >> 8);
        out += static_cast<char>(spelling & 0xFF);
    }
}

std::string Encode(std::u32string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (char32_t c : text)
        AppendEncoded(c, out);
    return out;
}

std::string ToUtf8(std::string_view cp932) {
    std::string out;
    for (std::size_t i = 0; i < cp932.size(); ++i) {
        const auto b = static_cast<std::uint8_t>(cp932[i]);
        char32_t c = 0xFFFD;
        if (b < 0x80) {
            c = b;
        } else if (IsHalfWidthKatakana(b)) {
            c = 0xFF61 + (b - 0xA1);
        } else if (IsLeadByte(b) && i + 1 < cp932.size()) {
            const char32_t decoded =
                DoubleByteToUnicode(b, static_cast<std::uint8_t>(cp932[i + 1]));
            if (decoded != 0) {
                c = decoded;
                ++i;
            }
        }
        AppendUtf8(c, out);
    }
    return out;
}

} // namespace vbmp3::cp932
