#include "vbmp3/core/ApeTag.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "vbmp3/core/Bytes.h"
#include "vbmp3/core/Cp932.h"
#include "vbmp3/core/LegacyText.h"
#include "vbmp3/core/UnicodeDecoding.h"

namespace vbmp3 {
namespace {

constexpr std::size_t kItemHeaderSize = 8;
constexpr std::size_t kMaxKeyLength = 255;
constexpr std::uint32_t kItemTypeMask = 0x6; // 0: UTF-8 text, else binary or a link

bool KeyIs(const std::string& key, const char* name) {
    const std::size_t n = std::char_traits<char>::length(name);
    return key.size() == n && std::equal(key.begin(), key.end(), name, [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == b;
           });
}

std::optional<TagField> FieldOfKey(const std::string& key) {
    if (KeyIs(key, "title")) return kTitle;
    if (KeyIs(key, "artist")) return kArtist;
    if (KeyIs(key, "album")) return kAlbum;
    return std::nullopt;
}

std::string DecodeValue(const std::vector<std::uint8_t>& value, std::uint32_t version) {
    std::string joined;
    std::size_t start = 0;
    while (start <= value.size()) {
        std::size_t stop = start;
        while (stop < value.size() && value[stop] != 0)
            ++stop;
        const std::uint8_t* p = value.data() + start;
        std::string text = version >= 2000 ? cp932::Encode(DecodeUtf8(p, stop - start))
                                           : LegacyTextToCp932(p, stop - start);
        if (!text.empty()) {
            if (!joined.empty()) joined += '/';
            joined += text;
        }
        start = stop + 1;
    }
    return joined;
}

} // namespace

void ReadApeTexts(BufferedReader& reader, const ApeTagLocation& ape, TagTexts& texts) {
    std::uint64_t pos = ape.itemsBegin;
    for (std::uint32_t item = 0; item < ape.itemCount && !texts.Complete(); ++item) {
        if (ape.itemsEnd - pos < kItemHeaderSize + 2) return;
        const std::uint8_t* h = reader.At(pos, kItemHeaderSize);
        if (!h) return;
        const std::uint32_t valueSize = ReadLe32(h);
        const std::uint32_t flags = ReadLe32(h + 4);
        pos += kItemHeaderSize;

        std::string key;
        for (;;) {
            const std::uint8_t* c = pos < ape.itemsEnd ? reader.At(pos, 1) : nullptr;
            if (!c || key.size() > kMaxKeyLength) return;
            ++pos;
            if (*c == 0) break;
            key += static_cast<char>(*c);
        }
        if (valueSize > ape.itemsEnd - pos) return;
        const std::optional<TagField> field = FieldOfKey(key);
        if (field && (flags & kItemTypeMask) == 0 && !texts.Has(*field)) {
            std::vector<std::uint8_t> value(std::min<std::size_t>(valueSize, kMaxTagValueBytes));
            if (!reader.CopyAt(pos, value.data(), value.size())) return;
            texts.Offer(*field, DecodeValue(value, ape.version));
        }
        pos += valueSize;
    }
}

} // namespace vbmp3
