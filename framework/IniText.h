// The text of an INI file as the private-profile functions read it. Platform-free; texts are
// code page 932 byte strings.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace fw {

// The key of a "key=value" line, without the blanks around it.
std::string IniLineKey(const std::string& line);

// Names compared as the profile functions compare keys and sections: ASCII letters without
// regard to case, every other byte exactly.
bool SameIniName(const std::string& a, const std::string& b);

// `text` (a whole INI file) with each of `keys` set to its value in `section`, as one edit: a
// key already in the section keeps its line's place (the first such line, if several), a
// missing key goes at the end of the section in the order given, a missing section at the end
// of the file. Every other line stays byte for byte, its line break included.
std::string SetIniKeys(const std::string& text, const std::string& section,
                       const std::vector<std::pair<std::string, std::string>>& keys);

} // namespace fw
