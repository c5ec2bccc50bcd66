#include "framework/IniText.h"

namespace fw {
namespace {

const char kBreak[] = "\r\n";

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
using TextLines = std::vector<TextLine>;

TextLines SplitLines(const std::string& text) {
    TextLines lines;
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

std::string JoinLines(const TextLines& lines) {
    std::string out;
    for (const TextLine& l : lines)
        out += l.text + l.end;
    return out;
}

// The name of a "[name]" line, or false when the line is no section header.
bool SectionName(const std::string& line, std::string* name) {
    const std::string trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() != '[') return false;
    const size_t close = trimmed.find(']');
    *name = Trim(trimmed.substr(1, close == std::string::npos ? std::string::npos : close - 1));
    return true;
}

bool IsSectionHeader(const std::string& line) {
    std::string name;
    return SectionName(line, &name);
}

// The index of the section's first header; a missing section is added at the end.
size_t FindOrAddSection(TextLines* lines, const std::string& section) {
    for (size_t i = 0; i < lines->size(); ++i) {
        std::string name;
        if (SectionName((*lines)[i].text, &name) && SameIniName(name, section)) return i;
    }
    if (!lines->empty() && lines->back().end.empty()) lines->back().end = kBreak;
    lines->push_back({"[" + section + "]", kBreak});
    return lines->size() - 1;
}

// The index of the line after the section that starts at `header`.
size_t SectionEnd(const TextLines& lines, size_t header) {
    size_t end = header + 1;
    while (end < lines.size() && !IsSectionHeader(lines[end].text))
        ++end;
    return end;
}

// `keys` as lines, put before line `at`; the line before them gets a line break if it had none.
void InsertKeys(TextLines* lines, size_t at, const IniKeyValues& keys) {
    if (keys.empty()) return;
    if ((*lines)[at - 1].end.empty()) (*lines)[at - 1].end = kBreak;
    TextLines added;
    for (const auto& [key, value] : keys)
        added.push_back({key + "=" + value, kBreak});
    lines->insert(lines->begin() + static_cast<std::ptrdiff_t>(at), added.begin(), added.end());
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
                       const IniKeyValues& keys) {
    TextLines lines = SplitLines(text);
    const size_t header = FindOrAddSection(&lines, section);
    const size_t end = SectionEnd(lines, header);
    // Missing keys follow the section's last non-blank line, before the blanks that part it from
    // the next section.
    size_t insertAt = header + 1;
    for (size_t i = header + 1; i < end; ++i) {
        if (!Trim(lines[i].text).empty()) insertAt = i + 1;
    }

    IniKeyValues missing;
    for (const auto& [key, value] : keys) {
        bool found = false;
        for (size_t i = header + 1; i < end && !found; ++i) {
            const std::string& t = lines[i].text;
            if (t.find('=') != std::string::npos && SameIniName(IniLineKey(t), key)) {
                lines[i].text = key + "=" + value;
                found = true;
            }
        }
        if (!found) missing.emplace_back(key, value);
    }
    InsertKeys(&lines, insertAt, missing);
    return JoinLines(lines);
}

std::string ReplaceIniKeys(const std::string& text, const std::string& section,
                           const std::function<bool(const std::string& key)>& isReplaced,
                           const IniKeyValues& keys) {
    TextLines lines = SplitLines(text);
    const size_t header = FindOrAddSection(&lines, section);
    const size_t end = SectionEnd(lines, header);
    TextLines kept(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(header + 1));
    for (size_t i = header + 1; i < lines.size(); ++i) {
        if (i >= end || !isReplaced(IniLineKey(lines[i].text))) kept.push_back(lines[i]);
    }
    InsertKeys(&kept, header + 1, keys);
    return JoinLines(kept);
}

} // namespace fw
