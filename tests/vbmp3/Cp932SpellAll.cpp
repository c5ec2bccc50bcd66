// Prints the library's code page 932 spelling of every Unicode character that it spells other
// than '?' ("XXXXX HEX" lines, code point order), for generate_cp932_tables.py
// --compare-encoder, which compares them with the generator's own mapping.
#include "vbmp3/core/Cp932.h"

#include <cstdio>
#include <string>

int main() {
    std::string spelling;
    for (char32_t c = 0x80; c <= 0x10FFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;
        spelling.clear();
        vbmp3::cp932::AppendEncoded(c, spelling);
        if (spelling == "?") continue;
        std::printf("%05X ", static_cast<unsigned>(c));
        for (unsigned char b : spelling)
            std::printf("%02X", b);
        std::printf("\n");
    }
    return 0;
}
