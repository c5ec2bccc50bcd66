#include "playlist/PlaylistFile.h"

#include "framework/IniText.h"
#include "framework/Sjis.h"
#include "playlist/IniKeys.h"
#include "playlist/Playlist.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

std::string KeyName(const char* format, int index) {
    char key[32];
    std::snprintf(key, sizeof key, format, index);
    return key;
}

bool IsIniSpace(char c) {
    return c == ' ' || c == '\t';
}

// "REGNUM", or an entry's key: the text before the number of one of the entry formats, followed
// by decimal digits only (whatever their count, so that no hand-written variant survives).
bool IsPlaylistKey(const std::string& key) {
    if (fw::SameIniName(key, ini::kCount)) return true;
    return std::any_of(std::begin(ini::kEntryKeyFormats), std::end(ini::kEntryKeyFormats),
                       [&key](const char* format) {
                           const size_t stem = std::strcspn(format, "%");
                           return key.size() > stem &&
                                  fw::SameIniName(key.substr(0, stem), std::string(format, stem)) &&
                                  key.find_first_not_of("0123456789", stem) == std::string::npos;
                       });
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

fw::IniKeyValues PlaylistKeys(const std::vector<CTrackEntry>& entries) {
    fw::IniKeyValues keys;
    keys.emplace_back(ini::kCount, std::to_string(entries.size()));
    for (size_t i = 0; i < entries.size(); ++i) {
        const CTrackEntry& e = entries[i];
        const int n = static_cast<int>(i);
        keys.emplace_back(KeyName(ini::kPathFormat, n), EncodeIniValue(e.m_strPath));
        keys.emplace_back(KeyName(ini::kTitleFormat, n), EncodeIniValue(e.m_strTitle));
        keys.emplace_back(KeyName(ini::kArtistFormat, n), EncodeIniValue(e.m_strArtist));
        keys.emplace_back(KeyName(ini::kTotalSecFormat, n), std::to_string(e.m_nTotalSec));
        keys.emplace_back(KeyName(ini::kInfoReadFormat, n), std::to_string(e.m_bInfoRead));
    }
    return keys;
}

} // namespace

std::vector<CTrackEntry> LoadPlaylistEntries(fw::IIniFile& file) {
    std::vector<CTrackEntry> entries;
    int count = file.GetInt(ini::kSection, ini::kCount);
    if (count <= 0) return entries;
    count = std::min(count, CPlaylist::MAX_LOADED_ENTRIES);
    entries.resize(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        CTrackEntry& e = entries[static_cast<size_t>(i)];
        auto text = [&file, i](const char* format) {
            return file.GetString(ini::kSection, KeyName(format, i).c_str(), ini::kTextBufferSize);
        };
        e.m_strPath = text(ini::kPathFormat);
        e.m_strTitle = text(ini::kTitleFormat);
        e.m_strArtist = text(ini::kArtistFormat);
        e.m_nTotalSec = file.GetInt(ini::kSection, KeyName(ini::kTotalSecFormat, i).c_str());
        e.m_bInfoRead = file.GetInt(ini::kSection, KeyName(ini::kInfoReadFormat, i).c_str());
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

void SavePlaylistEntries(fw::IIniFile& file, const std::vector<CTrackEntry>& entries) {
    const fw::IniKeyValues keys = PlaylistKeys(entries);
    // The playlist keys first in the section, as the file has always been laid out. Lines
    // outside the section are the user's and stay too: keeping them costs nothing.
    file.Rewrite([&keys](const std::string& text) {
        return fw::ReplaceIniKeys(text, ini::kSection, &IsPlaylistKey, keys);
    });
}
