#include "editor/OpenFileNames.h"

COpenFileNames ParseOpenFileNames(const char16_t* buffer, size_t toldUnits) {
    COpenFileNames result;
    std::vector<std::u16string> names;
    for (size_t start = 0;;) {
        size_t end = start;
        while (buffer[end] != 0) // the unit after the told ones is zero: this ends
            ++end;
        if (end >= toldUnits) {
            result.bTooLarge = true; // cut inside a name, or before the list's end
            return result;
        }
        if (end == start) break;
        names.emplace_back(buffer + start, end - start);
        start = end + 1;
    }
    if (names.size() == 1) {
        result.paths = std::move(names);
        return result;
    }
    // A folder, then names inside it. A drive's root folder already ends in a backslash.
    const std::u16string& folder = names.empty() ? u"" : names[0];
    const bool hasSeparator = !folder.empty() && folder.back() == u'\\';
    for (size_t i = 1; i < names.size(); ++i)
        result.paths.push_back(hasSeparator ? folder + names[i] : folder + u'\\' + names[i]);
    return result;
}
