#include "framework/PathNames.h"

#include "framework/Sjis.h"

namespace fw {

SplitPathParts SplitPath(const std::string& path) {
    SplitPathParts parts;
    size_t pos = 0;
    if (path.size() >= 2 && path[1] == ':' &&
        !sjis::IsLeadByte(static_cast<unsigned char>(path[0]))) {
        parts.drive = path.substr(0, 2);
        pos = 2;
    }
    const std::string rest = path.substr(pos);
    const size_t sep = sjis::FindLastSeparator(rest);
    const size_t nameStart = sep == std::string::npos ? 0 : sep + 1;
    parts.dir = rest.substr(0, nameStart);
    const std::string name = rest.substr(nameStart);
    const size_t dot = sjis::FindLastChar(name, '.');
    if (dot == std::string::npos) {
        parts.fname = name;
    } else {
        parts.fname = name.substr(0, dot);
        parts.ext = name.substr(dot);
    }
    return parts;
}

std::string ProfileNameFor(const std::string& modulePath) {
    return SplitPath(modulePath).fname + ".INI";
}

} // namespace fw
