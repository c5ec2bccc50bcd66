// The line the ticker scrolls for an entry. Platform-free.
#pragma once

#include "playlist/TrackEntry.h"

#include <string>

namespace ticker {

// The entry's artist, "　：　" (full-width space, colon, space) and its title, as code page 932
// bytes; an entry with neither shows the separator alone. With no entry (null) the banner
// ui::kTickerBanner.
std::string TickerText(const CTrackEntry* pEntry);

// What the band shows for a moment after the volume was set to `percent`.
std::string VolumeText(int percent);

} // namespace ticker
