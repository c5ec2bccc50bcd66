#include "vbmp3/core/Id3v1Tag.h"

#include <cstring>

#include "vbmp3/core/Cp932.h"
#include "vbmp3/core/LegacyText.h"

namespace vbmp3 {
namespace {

// Japanese taggers filled a field to its last byte even when that split a double-byte character:
// such a field reads as Shift-JIS once the orphaned lead byte is dropped.
std::size_t LengthWithoutSplitCharacter(const std::uint8_t* field, std::size_t length) {
    std::size_t i = 0;
    while (i + 1 < length)
        i += cp932::IsLeadByte(field[i]) ? 2 : 1;
    const bool orphanedLead = i + 1 == length && cp932::IsLeadByte(field[i]);
    return orphanedLead && ReadsAsShiftJis(field, length - 1) ? length - 1 : length;
}

} // namespace

void ReadId3v1Texts(BufferedReader& reader, std::uint64_t offset, TagTexts& texts) {
    constexpr std::size_t kTagSize = 128, kFieldSize = 30;
    const std::uint8_t* tag = reader.At(offset, kTagSize);
    if (!tag || std::memcmp(tag, "TAG", 3) != 0) return;
    for (int f = 0; f < kTagFieldCount; ++f) {
        const std::uint8_t* field = tag + 3 + f * kFieldSize;
        const void* zero = std::memchr(field, 0, kFieldSize);
        const std::size_t length = zero ? static_cast<const std::uint8_t*>(zero) - field
                                        : LengthWithoutSplitCharacter(field, kFieldSize);
        texts.Offer(static_cast<TagField>(f), LegacyTextToCp932(field, length));
    }
}

} // namespace vbmp3
