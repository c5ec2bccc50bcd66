// A track's title, artist and length, read once when a file joins the playlist, and the text
// forms in which the editor shows an entry. Platform-free.
#pragma once

#include "decoder/Decoder.h"
#include "playlist/TrackEntry.h"

#include <string>

// Reads the file's information through the decoder library. On success fills path, title,
// artist and length, sets the read flag, and returns true; otherwise leaves `pEntry` alone.
bool ReadTrackInfo(IDecoder& decoder, std::string strFile, CTrackEntry* pEntry);

// The part of the path after its last backslash (the whole path when it has none); a 0x5C
// that is the second byte of a double-byte character is no backslash.
std::string FileNameText(const std::string& path);

// Hours, minutes and seconds as "%d'%02d\"%02d": 245 seconds read 0'04"05.
std::string TimeText(int totalSec);
