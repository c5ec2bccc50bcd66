// Text frame bodies: an encoding byte, then one or more zero-terminated values.
#include <algorithm>
#include <vector>

#include "vbmp3/core/Cp932.h"
#include "vbmp3/core/Id3v2Tag.h"
#include "vbmp3/core/LegacyText.h"
#include "vbmp3/core/UnicodeDecoding.h"

namespace vbmp3 {
namespace {

enum Id3v2Encoding : std::uint8_t { kLatin1 = 0, kUtf16Bom = 1, kUtf16Be = 2, kUtf8 = 3 };

struct Span {
    const std::uint8_t* p;
    std::size_t n;
};

// Splits at terminators: one zero byte, or for UTF-16 one zero code unit on an even offset.
std::vector<Span> SplitValues(const std::uint8_t* p, std::size_t n, std::size_t unit) {
    std::vector<Span> values;
    std::size_t start = 0;
    std::size_t i = 0;
    for (; i + unit <= n; i += unit) {
        if (p[i] == 0 && (unit == 1 || p[i + 1] == 0)) {
            values.push_back({p + start, i - start});
            start = i + unit;
        }
    }
    if (start < n) values.push_back({p + start, n - start});
    return values;
}

std::string DecodeValue(std::uint8_t encoding, Span value, bool& bigEndian) {
    switch (encoding) {
    case kLatin1:
        return LegacyTextToCp932(value.p, value.n);
    case kUtf8:
        return cp932::Encode(DecodeUtf8(value.p, value.n));
    default:
        // Either byte order mark wins over what the encoding byte says; without one a value
        // keeps the order of the value before it.
        if (value.n >= 2 && ((value.p[0] == 0xFF && value.p[1] == 0xFE) ||
                             (value.p[0] == 0xFE && value.p[1] == 0xFF))) {
            bigEndian = value.p[0] == 0xFE;
            value.p += 2;
            value.n -= 2;
        }
        return cp932::Encode(DecodeUtf16(value.p, value.n, bigEndian));
    }
}

} // namespace

std::string DecodeId3v2Text(const std::uint8_t* body, std::size_t size, bool multipleValues) {
    if (size == 0 || body[0] > kUtf8) return {};
    const std::uint8_t encoding = body[0];
    const bool utf16 = encoding == kUtf16Bom || encoding == kUtf16Be;
    bool bigEndian = encoding == kUtf16Be;
    const std::vector<Span> values = SplitValues(body + 1, size - 1, utf16 ? 2 : 1);
    const std::size_t used =
        multipleValues ? values.size() : std::min<std::size_t>(values.size(), 1);
    std::string joined;
    for (std::size_t i = 0; i < used; ++i) {
        std::string text = DecodeValue(encoding, values[i], bigEndian);
        if (text.empty()) continue;
        if (!joined.empty()) joined += '/';
        joined += text;
    }
    return joined;
}

} // namespace vbmp3
