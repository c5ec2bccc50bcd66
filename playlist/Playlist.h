// The one ordered list of tracks and the position of the current one. Platform-free.
//
// Every operation either succeeds or changes nothing and writes no out-parameter. Entries are
// handed out as copies. The current index is a plain number that Add, RemoveAt, MoveUp and
// MoveDown never change, so after removals it may lie past the last entry.
#pragma once

#include "framework/IniFile.h"
#include "playlist/TrackEntry.h"

#include <string>
#include <vector>

class CPlaylist {
public:
    // Add accepts a new entry while at most 128 are held.
    static constexpr int MAX_PLAYLIST_ENTRIES = 129;
    // Load reads at most this many entries, whatever the file claims: a list loaded from a
    // hand-edited or damaged file may exceed what Add accepts, but never exhausts memory.
    static constexpr int MAX_LOADED_ENTRIES = 1024;

    // `iniFile` performs the file operations of Load and Save; it must outlive the playlist.
    explicit CPlaylist(fw::IIniFile& iniFile);
    virtual ~CPlaylist();

    bool GetCurrent(int* pIndex, CTrackEntry* pEntry) const;
    // Step the current index by one, wrapping at either end, and copy out the new current entry.
    bool MoveNext(int* pIndex, CTrackEntry* pEntry);
    bool MovePrev(int* pIndex, CTrackEntry* pEntry);
    bool GetAt(int nIndex, CTrackEntry* pEntry) const;
    bool SetCurrentIndex(int nIndex);
    // -1 for an empty list.
    int GetCurrentIndex() const;
    int GetCount() const;
    bool Add(int* pIndex, CTrackEntry entry);
    // False when an entry holds exactly this path (byte comparison, case-sensitive).
    bool IsNewPath(std::string strPath) const;
    // Index of the first entry that holds exactly this path, or -1.
    int FindPath(const std::string& strPath) const;
    bool RemoveAt(int nIndex);
    bool MoveUp(int nIndex);
    bool MoveDown(int nIndex);

    // Reads the whole list from the INI file; the current entry is entry 0 afterwards.
    void Load();
    // Rewrites the INI file from the list in one step, keeping the window settings it holds.
    void Save();

    std::string m_strIniPath;

private:
    bool CopyCurrentOut(int* pIndex, CTrackEntry* pEntry) const;
    bool IsEmpty() const { return m_entries.empty(); }

    fw::IIniFile& m_iniFile;
    int m_nCurrent = 0;
    std::vector<CTrackEntry> m_entries; // play order
};
