#include "playlist/PlaylistFile.h"

#include "framework/IniText.h"
#include "framework/Sjis.h"
#include "playlist/IniKeys.h"
#include "playlist/Playlist.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string KeyName(const char* format, int index) {
    char key[32];
    std::snprintf(key, sizeof key, format, index);
    return key;
}

std::string Decimal(int value) {
    return std::to_string(value);
}

bool IsIniSpace(char c) {
    return c == ' ' || c == '\t';
}

bool IsWindowSettingLine(const std::string& line) {
    const std::string key = fw::IniLineKey(line);
    return std::any_of(std::begin(ini::kWindowSettingKeys), std::end(ini::kWindowSettingKeys),
                       [&](const char* name) { return fw::SameIniName(key, name); });
}

// The longest prefix of `s` of at most `limit` bytes that ends at a character boundary (a lead
// byte without its second byte at the very end is dropped too).
std::string CutAtCharacter(const std::string& s, size_t limit) {
    const size_t available = std::min(limit, s.size());
    size_t end = 0;
    while (end < available) {
        const size_t width = sjis::IsLeadByte(static_cast<unsigned char>(s[end])) ? 2 : 1;
        if (end + width > available) break;
        end += width;
    }
    return s.substr(0, end);
}

} // namespace

std::vector<CTrackEntry> LoadPlaylistEntries(fw::IIniFile& file, const std::string& path) {
    std::vector<CTrackEntry> entries;
    int count = file.GetInt(path, ini::kSection, ini::kCount);
    if (count <= 0) return entries;
    count = std::min(count, CPlaylist::MAX_LOADED_ENTRIES);
    entries.resize(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        CTrackEntry& e = entries[static_cast<size_t>(i)];
        e.m_strPath = file.GetString(path, ini::kSection, KeyName(ini::kPathFormat, i).c_str(),
                                     ini::kTextBufferSize);
        e.m_strTitle = file.GetString(path, ini::kSection, KeyName(ini::kTitleFormat, i).c_str(),
                                      ini::kTextBufferSize);
        e.m_strArtist = file.GetString(path, ini::kSection, KeyName(ini::kArtistFormat, i).c_str(),
                                       ini::kTextBufferSize);
        e.m_nTotalSec = file.GetInt(path, ini::kSection, KeyName(ini::kTotalSecFormat, i).c_str());
        e.m_bInfoRead = file.GetInt(path, ini::kSection, KeyName(ini::kInfoReadFormat, i).c_str());
    }
    return entries;
}

std::string EncodeIniValue(const std::string& text) {
    std::string value = CutAtCharacter(text, ini::kTextBufferSize - 1);
    for (size_t i = 0; i < value.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(value[i]);
        if (sjis::IsLeadByte(c) && i + 1 < value.size()) {
            ++i; // a trail byte is never a control character
            continue;
        }
        if (c < 0x20 || c == 0x7F) value[i] = ' ';
    }
    if (value.empty()) return value;
    const char first = value.front();
    const char last = value.back();
    const bool trimmed = IsIniSpace(first) || IsIniSpace(last);
    const bool unquoted = value.size() >= 2 && (first == '"' || first == '\'') && last == first;
    return trimmed || unquoted ? '"' + value + '"' : value;
}

std::string ComposePlaylistIni(const std::vector<CTrackEntry>& entries,
                               const std::vector<std::string>& keptLines) {
    std::string text;
    auto line = [&text](const std::string& key, const std::string& value) {
        text += key;
        text += '=';
        text += value;
        text += "\r\n";
    };
    text += '[';
    text += ini::kSection;
    text += "]\r\n";
    line(ini::kCount, Decimal(static_cast<int>(entries.size())));
    for (size_t i = 0; i < entries.size(); ++i) {
        const CTrackEntry& e = entries[i];
        const int n = static_cast<int>(i);
        line(KeyName(ini::kPathFormat, n), EncodeIniValue(e.m_strPath));
        line(KeyName(ini::kTitleFormat, n), EncodeIniValue(e.m_strTitle));
        line(KeyName(ini::kArtistFormat, n), EncodeIniValue(e.m_strArtist));
        line(KeyName(ini::kTotalSecFormat, n), Decimal(e.m_nTotalSec));
        line(KeyName(ini::kInfoReadFormat, n), Decimal(e.m_bInfoRead));
    }
    for (const std::string& kept : keptLines) {
        text += kept;
        text += "\r\n";
    }
    return text;
}

void SavePlaylistEntries(fw::IIniFile& file, const std::string& path,
                         const std::vector<CTrackEntry>& entries) {
    std::vector<std::string> kept;
    for (const std::string& l : file.GetSection(path, ini::kSection)) {
        if (IsWindowSettingLine(l)) kept.push_back(l);
    }
    file.ReplaceContents(path, ComposePlaylistIni(entries, kept));
}
