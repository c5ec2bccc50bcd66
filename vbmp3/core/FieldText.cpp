#include "vbmp3/core/FieldText.h"

#include <cstdint>
#include <cstring>

#include "vbmp3/core/Cp932.h"

namespace vbmp3 {

void FitTextToField(std::string_view text, char* field, std::size_t capacity) {
    std::memset(field, 0, capacity);
    std::size_t written = 0;
    std::size_t keep = 0; // length without trailing spaces
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<std::uint8_t>(text[i]);
        char bytes[2] = {text[i], 0};
        std::size_t length = 1;
        if (cp932::IsLeadByte(b)) {
            if (i + 1 < text.size()) {
                bytes[1] = text[i + 1];
                length = 2;
            } else {
                bytes[0] = cp932::kReplacement;
            }
        } else if (b < 0x20 || b == 0x7F) {
            bytes[0] = ' ';
        }
        if (written + length > capacity - 1) break;
        std::memcpy(field + written, bytes, length);
        written += length;
        if (bytes[0] != ' ') keep = written;
        i += length;
    }
    std::memset(field + keep, 0, capacity - keep);
}

} // namespace vbmp3
