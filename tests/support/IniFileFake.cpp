#include "tests/support/IniFileFake.h"

#include <cstdlib>
#include <optional>

namespace {

std::string Trim(const std::string& s) {
    const size_t first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return std::string();
    const size_t last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

// Names match without regard to the case of ASCII letters. (The fake has its own, so that it
// checks the program's rather than repeating it.)
bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto up = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
        if (up(a[i]) != up(b[i])) return false;
    }
    return true;
}

// The trimmed value of the key in the first section of that name, as the profile functions find
// it.
std::optional<std::string> Find(const std::string& text, const char* section, const char* key) {
    bool inSection = false, sectionSeen = false;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        pos = end + 1;
        const std::string trimmed = Trim(line);
        if (!trimmed.empty() && trimmed.front() == '[') {
            if (sectionSeen) return std::nullopt;
            const size_t close = trimmed.find(']');
            const std::string name =
                Trim(trimmed.substr(1, close == std::string::npos ? std::string::npos : close - 1));
            inSection = sectionSeen = SameName(name, section);
            continue;
        }
        const size_t eq = line.find('=');
        if (inSection && SameName(Trim(line.substr(0, eq)), key))
            return eq == std::string::npos ? std::string() : Trim(line.substr(eq + 1));
    }
    return std::nullopt;
}

} // namespace

int CIniFileFake::GetInt(const char* section, const char* key) {
    const std::optional<std::string> value = Find(Text(), section, key);
    return value ? static_cast<int>(std::strtol(value->c_str(), nullptr, 10)) : 0;
}

std::string CIniFileFake::GetString(const char* section, const char* key, size_t bufferSize) {
    std::string value = Find(Text(), section, key).value_or("");
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    if (bufferSize == 0) return std::string();
    if (value.size() > bufferSize - 1) value.resize(bufferSize - 1);
    return value;
}

bool CIniFileFake::Rewrite(const Edit& edit) {
    m_contents.text = edit(m_contents.text);
    m_contents.exists = true;
    return true;
}
