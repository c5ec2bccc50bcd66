#include "vbmp3/core/UnicodeDecoding.h"

namespace vbmp3 {
namespace {

// Windows-1252 at 0x80..0x9F; 0 where it leaves the byte undefined.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// Length of the UTF-8 sequence that `lead` starts, 0 for a byte that cannot start one.
int Utf8SequenceLength(std::uint8_t lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

} // namespace

std::u32string DecodeUtf8(const std::uint8_t* p, std::size_t n) {
    std::u32string out;
    std::size_t i = 0;
    while (i < n) {
        const int length = Utf8SequenceLength(p[i]);
        if (length == 0 || i + length > n) {
            out += kReplacementCharacter;
            ++i;
            continue;
        }
        char32_t c = length == 1 ? p[i] : p[i] & (0x7F >> length);
        bool valid = true;
        for (int k = 1; k < length; ++k) {
            if ((p[i + k] & 0xC0) != 0x80) valid = false;
            c = (c << 6) | (p[i + k] & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not characters.
        static constexpr char32_t kSmallest[5] = {0, 0, 0x80, 0x800, 0x10000};
        if (!valid || c < kSmallest[length] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
            out += kReplacementCharacter;
            ++i;
            continue;
        }
        out += c;
        i += length;
    }
    return out;
}

std::u32string DecodeUtf16(const std::uint8_t* p, std::size_t n, bool bigEndian) {
    std::u32string out;
    auto unit = [&](std::size_t i) -> char32_t {
        return bigEndian ? (p[i] << 8 | p[i + 1]) : (p[i + 1] << 8 | p[i]);
    };
    for (std::size_t i = 0; i + 1 < n; i += 2) {
        const char32_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 3 < n) {
            const char32_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                out += 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
                continue;
            }
        }
        out += (u >= 0xD800 && u <= 0xDFFF) ? kReplacementCharacter : u;
    }
    return out;
}

std::u32string DecodeLatin1(const std::uint8_t* p, std::size_t n) {
    std::u32string out;
    out.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        if (p[i] >= 0x80 && p[i] <= 0x9F) {
            const char16_t c = kWindows1252High[p[i] - 0x80];
            out += c ? char32_t{c} : kReplacementCharacter;
        } else {
            out += p[i];
        }
    }
    return out;
}

} // namespace vbmp3
