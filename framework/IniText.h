// The text of an INI file as the private-profile functions read it. Platform-free; texts are
// code page 932 byte strings.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace fw {

using IniKeyValues = std::vector<std::pair<std::string, std::string>>;

// The key of a "key=value" line, without the blanks around it.
std::string IniLineKey(const std::string& line);

// Names compared as the profile functions compare keys and sections: ASCII letters without
// regard to case, every other byte exactly.
bool SameIniName(const std::string& a, const std::string& b);

// The two edits below work on the first `section` of `text` (a whole INI file) and add it at the
// end of the file when it is missing. Every line they do not name stays byte for byte, its line
// break included; the lines they write end in CR LF.

// Each of `keys` set to its value: a key already in the section keeps its line's place (the first
// such line, if several), a missing key goes at the end of the section in the order given.
std::string SetIniKeys(const std::string& text, const std::string& section,
                       const IniKeyValues& keys);

// Every line of the section whose key `isReplaced` names taken out, and `keys` put right after the
// section's header in the order given.
std::string ReplaceIniKeys(const std::string& text, const std::string& section,
                           const std::function<bool(const std::string& key)>& isReplaced,
                           const IniKeyValues& keys);

} // namespace fw
