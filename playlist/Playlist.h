// The one ordered list of tracks and the position of the current one. Platform-free.
//
// Every operation either succeeds or changes nothing and writes no out-parameter. Entries are
// handed out as copies.
//
// The current index follows the current entry: it moves with it when entries are removed
// before it or when the entry is swapped with a neighbour. When the current entry itself is
// removed, the list has no current entry (GetCurrent fails, GetCurrentIndex is -1) but keeps
// its place: the entry that took it (the first entry when it was the last) is what MoveNext and
// TakeCurrent give, and MovePrev gives the one before the place. The track of a removed entry
// may still be playing; that is why nothing moves on to the entry in its place by itself.
#pragma once

#include "framework/IniFile.h"
#include "playlist/TrackEntry.h"

#include <string>
#include <vector>

// The current entry as the windows show it.
struct CCurrentEntry {
    int nIndex = -1;   // -1: no current entry
    CTrackEntry entry; // the current entry, when there is one
    // No current entry because it was removed while its track plays on: the list still has
    // entries, and what shows that track stays.
    bool bPlaceKept = false;
};

class CPlaylist {
public:
    // Add accepts a new entry while at most 128 are held.
    static constexpr int MAX_PLAYLIST_ENTRIES = 129;
    // Load reads at most this many entries, whatever the file claims: a list loaded from a
    // hand-edited or damaged file may exceed what Add accepts, but never exhausts memory.
    static constexpr int MAX_LOADED_ENTRIES = 1024;

    // `iniFile` is the INI file that Load reads and Save rewrites; it must outlive the playlist.
    explicit CPlaylist(fw::IIniFile& iniFile);
    virtual ~CPlaylist();

    // Fails when there is no current entry (an empty list, or the current entry was removed).
    bool GetCurrent(int* pIndex, CTrackEntry* pEntry) const;
    // The current entry, or when it was removed the entry that took its place, which becomes
    // the current entry. Fails only for an empty list. For a track that is about to start.
    bool TakeCurrent(int* pIndex, CTrackEntry* pEntry);
    // Step the current index by one, wrapping at either end, and copy out the new current entry.
    // From a removed entry's place, MoveNext takes the entry in the place itself.
    bool MoveNext(int* pIndex, CTrackEntry* pEntry);
    bool MovePrev(int* pIndex, CTrackEntry* pEntry);
    bool GetAt(int nIndex, CTrackEntry* pEntry) const;
    bool SetCurrentIndex(int nIndex);
    // -1 when there is no current entry (an empty list, or the current entry was removed).
    int GetCurrentIndex() const;
    CCurrentEntry Current() const;
    int GetCount() const;
    bool Add(int* pIndex, CTrackEntry entry);
    // False when an entry holds exactly this path (byte comparison, case-sensitive).
    bool IsNewPath(const std::string& strPath) const;
    // Index of the first entry that holds exactly this path, or -1.
    int FindPath(const std::string& strPath) const;
    bool RemoveAt(int nIndex);
    // Swap entry nIndex with the one before (MoveUp) or after it (MoveDown).
    bool MoveUp(int nIndex);
    bool MoveDown(int nIndex);

    // Reads the whole list from the INI file; the current entry is entry 0 afterwards.
    void Load();
    // Rewrites the INI file from the list in one step, keeping the window settings and every
    // other line that is not the playlist's.
    void Save();

private:
    bool CopyCurrentOut(int* pIndex, CTrackEntry* pEntry) const;
    bool IsEmpty() const { return m_entries.empty(); }
    // The current index follows an entry that moved from `from` to `to`.
    void FollowSwap(int from, int to);

    fw::IIniFile& m_iniFile;
    // Within the entries whenever there are any: the current entry, or the place of a removed
    // one (m_bCurrentRemoved).
    int m_nCurrent = 0;
    bool m_bCurrentRemoved = false;     // the current entry was removed; m_nCurrent is its place
    std::vector<CTrackEntry> m_entries; // play order
};
