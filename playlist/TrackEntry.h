// One playlist entry: a value, always copied whole.
#pragma once

#include <cstdint>
#include <string>

struct CTrackEntry {
    std::string m_strPath; // full path as the file dialog or the drop gave it; the entry's identity
    std::string m_strTitle;  // from the file's tag
    std::string m_strArtist; // from the file's tag
    int32_t m_nTotalSec = 0; // length in whole seconds
    int32_t m_bInfoRead = 0; // 1 when title, artist and length were read from the file
};

inline bool operator==(const CTrackEntry& a, const CTrackEntry& b) {
    return a.m_strPath == b.m_strPath && a.m_strTitle == b.m_strTitle &&
           a.m_strArtist == b.m_strArtist && a.m_nTotalSec == b.m_nTotalSec &&
           a.m_bInfoRead == b.m_bInfoRead;
}
