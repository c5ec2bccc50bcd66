// Names in the program's INI file. One section holds both the playlist and the window settings.
#pragma once

namespace ini {

constexpr char kSection[] = "VIZURE3";

// Playlist: the count, then five keys per entry, numbered from 0 with at least four digits.
constexpr char kCount[] = "REGNUM";
constexpr char kPathFormat[] = "FILENAME%4.4d";
constexpr char kTitleFormat[] = "TRACKNAME%4.4d";
constexpr char kArtistFormat[] = "ARTISTNAME%4.4d";
constexpr char kTotalSecFormat[] = "TOTALSEC%4.4d";
constexpr char kInfoReadFormat[] = "READDATA%4.4d";
constexpr const char* kEntryKeyFormats[] = {kPathFormat, kTitleFormat, kArtistFormat,
                                            kTotalSecFormat, kInfoReadFormat};

// Window settings, in the order they are read and written.
constexpr char kPosX[] = "DLGPOSX";
constexpr char kPosY[] = "DLGPOSY";
constexpr char kTopmost[] = "DLGMTOP";
constexpr char kAutoShrink[] = "DLGMMIN";
// The player's volume in percent; older versions do not read it.
constexpr char kVolume[] = "VOLUME";

// Texts are read back through a buffer of this many bytes, the terminating zero included.
constexpr int kTextBufferSize = 4095;

} // namespace ini
