// The window settings in the INI file that also holds the playlist. Platform-free.
#pragma once

#include "framework/IniFile.h"

// The player's volume in percent: 0 to 100 in steps of 5.
constexpr int kFullVolume = 100;
constexpr int kVolumeStep = 5;

// `volume` moved by `steps` steps (negative: down), within 0 and 100.
int StepVolume(int volume, int steps);

// The settings as stored: the window's left and top edges, the menu's check flag (8 or 0) of
// "前面に表示する" and of "勝手に小さくなる", and the volume.
struct CWindowSettings {
    int nPosX = 0;
    int nPosY = 0;
    int nTopmost = 0;
    int nAutoShrink = 0;
    int nVolume = kFullVolume;
};

// "DLGPOSX", "DLGPOSY", "DLGMTOP" and "DLGMMIN", each 0 when missing, and "VOLUME": 100 when
// missing or not a whole number (a hand edit), else brought within 0 and 100 and to the nearest
// step.
CWindowSettings ReadWindowSettings(fw::IIniFile& file);

// Writes the five keys in one rewrite of the file, as the playlist is saved: a crash in the
// middle leaves the former file or the new one, never a file cut short. Keys already in the file
// keep their place, the others go at the end of the section in that order, and every other line
// stays as it was. False when the file could not be read or written (it is then left as it was).
bool WriteWindowSettings(fw::IIniFile& file, const CWindowSettings& settings);
