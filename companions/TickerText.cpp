#include "companions/TickerText.h"

#include "res/UiText.h"

#include <cstdio>

namespace ticker {

std::string TickerText(const CTrackEntry* pEntry) {
    if (!pEntry) return ui::kTickerBanner;
    return pEntry->m_strArtist + "　：　" + pEntry->m_strTitle;
}

std::string VolumeText(int percent) {
    char text[64];
    std::snprintf(text, sizeof text, ui::kVolumeFormat, percent);
    return text;
}

} // namespace ticker
