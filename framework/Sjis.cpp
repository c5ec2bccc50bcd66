#include "framework/Sjis.h"

namespace sjis {

namespace {
template <class Match> size_t FindLast(const std::string& s, Match match) {
    size_t found = std::string::npos;
    for (size_t i = 0; i < s.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (IsLeadByte(c) && i + 1 < s.size()) {
            ++i; // skip the trail byte
            continue;
        }
        if (match(s[i])) found = i;
    }
    return found;
}
} // namespace

size_t FindLastChar(const std::string& s, char ch) {
    return FindLast(s, [ch](char c) { return c == ch; });
}

size_t FindLastSeparator(const std::string& s) {
    return FindLast(s, [](char c) { return c == '\\' || c == '/'; });
}

} // namespace sjis
