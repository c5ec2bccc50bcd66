#include "framework/IniText.h"

namespace fw {
namespace {

bool IsIniSpace(char c) {
    return c == ' ' || c == '\t';
}

std::string Trim(const std::string& s) {
    size_t first = 0, last = s.size();
    while (first < last && IsIniSpace(s[first]))
        ++first;
    while (last > first && IsIniSpace(s[last - 1]))
        --last;
    return s.substr(first, last - first);
}

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// One line of the file: its text and the line break that ends it ("" for a last line without).
struct TextLine {
    std::string text;
    std::string end;
};

std::vector<TextLine> SplitLines(const std::string& text) {
    std::vector<TextLine> lines;
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t newline = text.find('\n', pos);
        const size_t stop = newline == std::string::npos ? text.size() : newline;
        const size_t textEnd = stop > pos && text[stop - 1] == '\r' ? stop - 1 : stop;
        const size_t next = newline == std::string::npos ? text.size() : newline + 1;
        lines.push_back({text.substr(pos, textEnd - pos), text.substr(textEnd, next - textEnd)});
        pos = next;
    }
    return lines;
}

// The name of a "[name]" line, or false when the line is no section header.
bool SectionName(const std::string& line, std::string* name) {
    const std::string trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() != '[') return false;
    const size_t close = trimmed.find(']');
    *name = Trim(trimmed.substr(1, close == std::string::npos ? std::string::npos : close - 1));
    return true;
}

} // namespace

std::string IniLineKey(const std::string& line) {
    return Trim(line.substr(0, line.find('=')));
}

bool SameIniName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (Upper(a[i]) != Upper(b[i])) return false;
    }
    return true;
}

std::string SetIniKeys(const std::string& text, const std::string& section,
                       const std::vector<std::pair<std::string, std::string>>& keys) {
    std::vector<TextLine> lines = SplitLines(text);
    const std::string kBreak = "\r\n";

    // The section's first header, and the line after its last non-blank line.
    size_t header = lines.size();
    for (size_t i = 0; i < lines.size() && header == lines.size(); ++i) {
        std::string name;
        if (SectionName(lines[i].text, &name) && SameIniName(name, section)) header = i;
    }
    if (header == lines.size()) {
        if (!lines.empty() && lines.back().end.empty()) lines.back().end = kBreak;
        lines.push_back({"[" + section + "]", kBreak});
    }
    size_t end = header + 1, insertAt = header + 1;
    for (std::string name; end < lines.size() && !SectionName(lines[end].text, &name); ++end) {
        if (!Trim(lines[end].text).empty()) insertAt = end + 1;
    }

    std::vector<TextLine> missing;
    for (const auto& [key, value] : keys) {
        const std::string line = key + "=" + value;
        bool found = false;
        for (size_t i = header + 1; i < end && !found; ++i) {
            const std::string& t = lines[i].text;
            if (t.find('=') != std::string::npos && SameIniName(IniLineKey(t), key)) {
                lines[i].text = line;
                found = true;
            }
        }
        if (!found) missing.push_back({line, kBreak});
    }
    if (!missing.empty() && lines[insertAt - 1].end.empty()) lines[insertAt - 1].end = kBreak;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), missing.begin(),
                 missing.end());

    std::string out;
    for (const TextLine& l : lines)
        out += l.text + l.end;
    return out;
}

} // namespace fw
