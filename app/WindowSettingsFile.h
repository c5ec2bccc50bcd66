// The window settings in the INI file that also holds the playlist. Platform-free.
#pragma once

#include "framework/IniFile.h"

// The four settings as stored: the window's left and top edges, and the menu's check flag (8 or
// 0) of "前面に表示する" and of "勝手に小さくなる".
struct CWindowSettings {
    int nPosX = 0;
    int nPosY = 0;
    int nTopmost = 0;
    int nAutoShrink = 0;
};

// "DLGPOSX", "DLGPOSY", "DLGMTOP" and "DLGMMIN", each 0 when missing.
CWindowSettings ReadWindowSettings(fw::IIniFile& file);

// Writes the four keys in one rewrite of the file, as the playlist is saved: a crash in the
// middle leaves the former file or the new one, never a file cut short. Keys already in the file
// keep their place, the others go at the end of the section in that order, and every other line
// stays as it was. False when the file could not be read or written (it is then left as it was).
bool WriteWindowSettings(fw::IIniFile& file, const CWindowSettings& settings);
