// Parts of paths and names derived from the program's module path.
// Platform-free; all paths are code page 932 byte strings.
#pragma once

#include <string>

namespace fw {

struct SplitPathParts {
    std::string drive; // "C:" or empty (also for a network path)
    std::string dir;   // everything up to and including the last separator
    std::string fname; // file name without its extension
    std::string ext;   // from the file name's last "." on, or empty
};

// Splits a path as the C runtime's _splitpath does, aware of double-byte characters.
SplitPathParts SplitPath(const std::string& path);

// The module's base file name without directory and without the part from its last ".",
// followed by ".INI".
std::string ProfileNameFor(const std::string& modulePath);

} // namespace fw
