#include "tests/support/IniFileFake.h"

#include <cstdlib>
#include <optional>
#include <vector>

namespace {

struct Line {
    std::string text;    // as in the file, without the line break
    std::string section; // the section it belongs to ("" before the first header)
    std::string key;     // trimmed key, or "" for headers and other lines
    std::string value;   // trimmed value
};

std::string Trim(const std::string& s) {
    const size_t first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return std::string();
    const size_t last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto up = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
        if (up(a[i]) != up(b[i])) return false;
    }
    return true;
}

std::vector<Line> Parse(const std::string& text) {
    std::vector<Line> lines;
    std::string section;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string raw = text.substr(pos, end - pos);
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        pos = end + 1;
        Line line{raw, section, "", ""};
        const std::string trimmed = Trim(raw);
        if (!trimmed.empty() && trimmed.front() == '[') {
            const size_t close = trimmed.find(']');
            section =
                Trim(trimmed.substr(1, close == std::string::npos ? std::string::npos : close - 1));
            line.section = section;
        } else if (!trimmed.empty() && trimmed.front() != ';') {
            const size_t eq = raw.find('=');
            line.key = Trim(raw.substr(0, eq));
            if (eq != std::string::npos) line.value = Trim(raw.substr(eq + 1));
        }
        lines.push_back(line);
    }
    return lines;
}

std::optional<std::string> Find(const std::string& text, const char* section, const char* key) {
    for (const Line& line : Parse(text)) {
        if (!line.key.empty() && SameName(line.section, section) && SameName(line.key, key)) {
            return line.value;
        }
    }
    return std::nullopt;
}

} // namespace

std::string CIniFileFake::Text(const std::string& path) const {
    auto it = m_files.find(path);
    return it == m_files.end() ? std::string() : it->second;
}

int CIniFileFake::GetInt(const std::string& path, const char* section, const char* key) {
    const std::optional<std::string> value = Find(Text(path), section, key);
    return value ? static_cast<int>(std::strtol(value->c_str(), nullptr, 10)) : 0;
}

std::string CIniFileFake::GetString(const std::string& path, const char* section, const char* key,
                                    size_t bufferSize) {
    std::string value = Find(Text(path), section, key).value_or("");
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    if (bufferSize == 0) return std::string();
    if (value.size() > bufferSize - 1) value.resize(bufferSize - 1);
    return value;
}

std::vector<std::string> CIniFileFake::GetSection(const std::string& path, const char* section) {
    std::vector<std::string> result;
    for (const Line& line : Parse(Text(path))) {
        if (!line.key.empty() && SameName(line.section, section))
            result.push_back(line.key + "=" + line.value);
    }
    return result;
}

bool CIniFileFake::WriteString(const std::string& path, const char* section, const char* key,
                               const std::string& value) {
    const std::vector<Line> lines = Parse(Text(path));
    std::string text;
    bool written = false;
    bool inSection = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        const Line& line = lines[i];
        const bool isHeader =
            line.key.empty() && !Trim(line.text).empty() && Trim(line.text)[0] == '[';
        if (isHeader && inSection && !written) { // end of our section: append there
            text += std::string(key) + "=" + value + "\r\n";
            written = true;
        }
        if (isHeader) inSection = SameName(line.section, section);
        if (!written && inSection && SameName(line.key, key)) {
            text += std::string(key) + "=" + value + "\r\n";
            written = true;
            continue;
        }
        text += line.text + "\r\n";
    }
    if (!written) {
        if (!inSection) text += "[" + std::string(section) + "]\r\n";
        text += std::string(key) + "=" + value + "\r\n";
    }
    m_files[path] = text;
    return true;
}

bool CIniFileFake::ReadContents(const std::string& path, std::string* contents) {
    *contents = Text(path);
    return true;
}

bool CIniFileFake::ReplaceContents(const std::string& path, const std::string& contents) {
    m_files[path] = contents;
    return true;
}
