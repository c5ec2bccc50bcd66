// The playlist's keys in the INI file: reading them, and composing the file that a save writes.
// Platform-free; the file itself is reached through fw::IIniFile.
#pragma once

#include "framework/IniFile.h"
#include "playlist/TrackEntry.h"

#include <string>
#include <vector>

// Reads "REGNUM" entries (at most CPlaylist::MAX_LOADED_ENTRIES; none when the count is zero,
// negative or missing). Missing keys give empty texts and zeros.
std::vector<CTrackEntry> LoadPlaylistEntries(fw::IIniFile& file, const std::string& path);

// The complete text of a saved file: the section header, "REGNUM", each entry's five keys, then
// `keptLines` (whole "key=value" lines carried over from the former file) in their order.
std::string ComposePlaylistIni(const std::vector<CTrackEntry>& entries,
                               const std::vector<std::string>& keptLines);

// Replaces the file by the list, keeping the window-setting lines of the former file; no key
// of a former, longer list survives. Results are not reported: the list in memory is
// unaffected either way.
void SavePlaylistEntries(fw::IIniFile& file, const std::string& path,
                         const std::vector<CTrackEntry>& entries);

// A text as it must be stored so that the profile functions read back exactly the same bytes:
// line breaks and other control characters become spaces, the text is cut to what the read
// buffer holds (at a character boundary), and a text that the reader would trim or unquote is
// wrapped in double quotes.
std::string EncodeIniValue(const std::string& text);
