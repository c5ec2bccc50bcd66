// One player per INI file. Two players on one INI file would both play, and whichever saved last
// would overwrite the other's playlist. So the first start owns a named mutex made from the INI
// file's path and publishes its main window under the same name; a later start hands its files
// to that window and ends.
#pragma once

#include "framework/Handle.h"

#include <windows.h>

#include <string>
#include <vector>

// The name of the shared objects for an INI file: the same for every spelling of its full path
// (letter case, short names), different for every other file.
std::wstring PlayerInstanceName(const std::string& iniPath);

class CPlayerInstance {
public:
    // `iniPath`: the INI file's full path (code page 932).
    explicit CPlayerInstance(const std::string& iniPath);
    ~CPlayerInstance(); // releases the mutex and the published window
    CPlayerInstance(const CPlayerInstance&) = delete;
    CPlayerInstance& operator=(const CPlayerInstance&) = delete;

    // True when this process is to be the player: it was first, or the player it found has
    // ended meanwhile. False when `files` went to the running player (with no files: it was
    // brought to the front), or when no running player showed up within the start-up wait.
    bool BecomePlayerOrHandOver(const std::vector<std::string>& files);

    // The main window that later starts hand their files to; null while there is none (the
    // player is ending).
    void Publish(HWND mainWindow);

private:
    enum class HandOverResult { Taken, Busy, Failed };
    HandOverResult HandOver(HWND player, const std::vector<std::string>& files) const;
    // The window the running player published, or null.
    HWND PublishedWindow();
    // Takes the mutex within `timeoutMs` (also from a player that ended without releasing it).
    bool TryToOwn(DWORD timeoutMs);
    void OpenPublication();

    std::wstring m_name;
    fw::CHandle m_hMutex; // ours to release while m_bOwner
    bool m_bOwner = false;
    fw::CHandle m_hMapping;  // the published window handle, 8 bytes
    void* m_pView = nullptr; // mapped view of m_hMapping; unmapped in the destructor
};
