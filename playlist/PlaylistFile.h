// The playlist's keys in the INI file. Platform-free; the file is reached through fw::IIniFile.
#pragma once

#include "framework/IniFile.h"
#include "playlist/TrackEntry.h"

#include <string>
#include <vector>

// Reads "REGNUM" entries (at most CPlaylist::MAX_LOADED_ENTRIES; none when the count is zero,
// negative or missing). Missing keys give empty texts and zeros.
std::vector<CTrackEntry> LoadPlaylistEntries(fw::IIniFile& file);

// Rewrites the file with the list in place of the playlist keys it held: "REGNUM" and each
// entry's five keys right after the section's header, and no key of a former, longer list left.
// Every other line stays as it was: the window settings, and whatever else a user keeps in the
// file. Results are not reported: the list in memory is unaffected either way.
void SavePlaylistEntries(fw::IIniFile& file, const std::vector<CTrackEntry>& entries);

// A text as it must be stored so that the profile functions read back exactly the same bytes:
// line breaks and other control characters become spaces, the text is cut to what the read
// buffer holds (at a character boundary), and a text that the reader would trim or unquote is
// wrapped in double quotes.
std::string EncodeIniValue(const std::string& text);
