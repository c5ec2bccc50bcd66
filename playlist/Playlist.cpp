#include "playlist/Playlist.h"

#include "playlist/PlaylistFile.h"

#include <utility>

CPlaylist::CPlaylist(fw::IIniFile& iniFile) : m_iniFile(iniFile) {}

CPlaylist::~CPlaylist() = default;

bool CPlaylist::CopyCurrentOut(int* pIndex, CTrackEntry* pEntry) const {
    *pEntry = m_entries[static_cast<size_t>(m_nCurrent)];
    *pIndex = m_nCurrent;
    return true;
}

bool CPlaylist::GetCurrent(int* pIndex, CTrackEntry* pEntry) const {
    if (IsEmpty() || m_bCurrentRemoved || m_nCurrent > GetCount() - 1) return false;
    return CopyCurrentOut(pIndex, pEntry);
}

bool CPlaylist::TakeCurrent(int* pIndex, CTrackEntry* pEntry) {
    if (IsEmpty() || m_nCurrent > GetCount() - 1) return false;
    m_bCurrentRemoved = false;
    return CopyCurrentOut(pIndex, pEntry);
}

bool CPlaylist::MoveNext(int* pIndex, CTrackEntry* pEntry) {
    if (IsEmpty()) return false;
    // From a removed entry's place the next entry is the one that took the place.
    if (!m_bCurrentRemoved) ++m_nCurrent;
    m_bCurrentRemoved = false;
    if (m_nCurrent > GetCount() - 1) m_nCurrent = 0;
    return CopyCurrentOut(pIndex, pEntry);
}

bool CPlaylist::MovePrev(int* pIndex, CTrackEntry* pEntry) {
    if (IsEmpty()) return false;
    m_bCurrentRemoved = false;
    if (m_nCurrent > GetCount()) m_nCurrent = GetCount();
    --m_nCurrent;
    if (m_nCurrent < 0) m_nCurrent = GetCount() - 1;
    return CopyCurrentOut(pIndex, pEntry);
}

bool CPlaylist::GetAt(int nIndex, CTrackEntry* pEntry) const {
    if (IsEmpty() || nIndex < 0 || nIndex > GetCount() - 1) return false;
    *pEntry = m_entries[static_cast<size_t>(nIndex)];
    return true;
}

bool CPlaylist::SetCurrentIndex(int nIndex) {
    if (IsEmpty() || nIndex < 0 || nIndex > GetCount() - 1) return false;
    m_nCurrent = nIndex;
    m_bCurrentRemoved = false;
    return true;
}

CCurrentEntry CPlaylist::Current() const {
    CCurrentEntry current;
    if (!GetCurrent(&current.nIndex, &current.entry)) {
        current.nIndex = -1;
        current.bPlaceKept = !IsEmpty();
    }
    return current;
}

int CPlaylist::GetCurrentIndex() const {
    return IsEmpty() || m_bCurrentRemoved ? -1 : m_nCurrent;
}

int CPlaylist::GetCount() const {
    return static_cast<int>(m_entries.size());
}

bool CPlaylist::Add(int* pIndex, CTrackEntry entry) {
    if (GetCount() > MAX_PLAYLIST_ENTRIES - 1) return false;
    *pIndex = GetCount();
    m_entries.push_back(std::move(entry));
    return true;
}

bool CPlaylist::IsNewPath(const std::string& strPath) const {
    return FindPath(strPath) == -1;
}

int CPlaylist::FindPath(const std::string& strPath) const {
    // Whole-string byte equality: a double-byte character can only equal the same character.
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].m_strPath == strPath) return static_cast<int>(i);
    }
    return -1;
}

bool CPlaylist::RemoveAt(int nIndex) {
    if (nIndex < 0 || nIndex > GetCount() - 1) return false;
    m_entries.erase(m_entries.begin() + nIndex);
    if (m_entries.empty()) m_entries.shrink_to_fit(); // an empty list holds no storage
    if (nIndex < m_nCurrent) {
        --m_nCurrent;
    } else if (nIndex == m_nCurrent) {
        m_bCurrentRemoved = true;                        // the entry after it takes its place
        if (m_nCurrent > GetCount() - 1) m_nCurrent = 0; // after the last comes the first
    }
    return true;
}

void CPlaylist::FollowSwap(int from, int to) {
    if (m_nCurrent == from)
        m_nCurrent = to;
    else if (m_nCurrent == to)
        m_nCurrent = from;
}

bool CPlaylist::MoveUp(int nIndex) {
    if (nIndex < 1 || nIndex > GetCount() - 1) return false;
    std::swap(m_entries[static_cast<size_t>(nIndex)], m_entries[static_cast<size_t>(nIndex - 1)]);
    FollowSwap(nIndex, nIndex - 1);
    return true;
}

bool CPlaylist::MoveDown(int nIndex) {
    if (nIndex < 0 || nIndex > GetCount() - 2) return false;
    std::swap(m_entries[static_cast<size_t>(nIndex)], m_entries[static_cast<size_t>(nIndex + 1)]);
    FollowSwap(nIndex, nIndex + 1);
    return true;
}

void CPlaylist::Load() {
    std::vector<CTrackEntry> loaded = LoadPlaylistEntries(m_iniFile);
    if (!loaded.empty()) m_entries = std::move(loaded);
}

void CPlaylist::Save() {
    SavePlaylistEntries(m_iniFile, m_entries);
}
