#include "framework/IniFileEncoding.h"

#include <windows.h>

#include <deque>
#include <unordered_map>
#include <vector>

namespace fw {
namespace {

// As the profile functions' ANSI forms convert (best fit, the system's code page).
std::string Narrow(const std::wstring& wide) {
    const int length = static_cast<int>(wide.size());
    const int size =
        ::WideCharToMultiByte(CP_ACP, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<size_t>(size), '\0');
    if (size > 0)
        ::WideCharToMultiByte(CP_ACP, 0, wide.data(), length, &ansi[0], size, nullptr, nullptr);
    return ansi;
}

std::wstring Widen(const std::string& ansi) {
    const int length = static_cast<int>(ansi.size());
    const int size = ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, nullptr, 0);
    std::wstring wide(static_cast<size_t>(size), L'\0');
    if (size > 0) ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, &wide[0], size);
    return wide;
}

// One line of a text and the line break that ends it ("" for a last line without).
template <class Text> struct Line {
    Text text;
    Text end;
};

// A '\n' byte is never part of a double-byte character, so code page 932 text splits where its
// UTF-16 form does.
template <class Text> std::vector<Line<Text>> Lines(const Text& text) {
    using Char = typename Text::value_type;
    std::vector<Line<Text>> lines;
    for (size_t pos = 0; pos < text.size();) {
        const size_t newline = text.find(static_cast<Char>('\n'), pos);
        const size_t stop = newline == Text::npos ? text.size() : newline;
        const size_t textEnd =
            stop > pos && text[stop - 1] == static_cast<Char>('\r') ? stop - 1 : stop;
        const size_t next = newline == Text::npos ? text.size() : newline + 1;
        lines.push_back({text.substr(pos, textEnd - pos), text.substr(textEnd, next - textEnd)});
        pos = next;
    }
    return lines;
}

} // namespace

CIniFileText DecodeIniFile(const std::string& bytes) {
    CIniFileText file;
    const bool little = bytes.compare(0, 2, "\xFF\xFE") == 0;
    const bool big = bytes.compare(0, 2, "\xFE\xFF") == 0;
    if (!little && !big) {
        file.text = bytes;
        return file;
    }
    file.encoding = little ? CIniFileText::Encoding::kUtf16LittleEndian
                           : CIniFileText::Encoding::kUtf16BigEndian;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
        const unsigned first = static_cast<unsigned char>(bytes[i]);
        const unsigned second = static_cast<unsigned char>(bytes[i + 1]);
        file.wide += static_cast<wchar_t>(little ? first | second << 8 : first << 8 | second);
    }
    file.text = Narrow(file.wide);
    return file;
}

std::string EncodeIniFile(const CIniFileText& former, const std::string& text) {
    if (former.encoding == CIniFileText::Encoding::kAnsi) return text;
    // Lines that read the same are taken in their order, as the edit keeps the lines it leaves.
    // A line is matched without its line break, which the edit may have added.
    std::unordered_map<std::string, std::deque<std::wstring>> formerLines;
    for (const Line<std::wstring>& line : Lines(former.wide))
        formerLines[Narrow(line.text)].push_back(line.text);
    std::wstring wide;
    for (const Line<std::string>& line : Lines(text)) {
        const auto kept = formerLines.find(line.text);
        if (kept == formerLines.end() || kept->second.empty()) {
            wide += Widen(line.text);
        } else {
            wide += kept->second.front();
            kept->second.pop_front();
        }
        wide += Widen(line.end);
    }
    const bool little = former.encoding == CIniFileText::Encoding::kUtf16LittleEndian;
    std::string bytes = little ? "\xFF\xFE" : "\xFE\xFF";
    for (const wchar_t unit : wide) {
        const char low = static_cast<char>(unit & 0xFF);
        const char high = static_cast<char>((unit >> 8) & 0xFF);
        bytes += little ? low : high;
        bytes += little ? high : low;
    }
    return bytes;
}

} // namespace fw
