#include "companions/TickerText.h"

#include "res/UiText.h"

namespace ticker {

std::string TickerText(const CTrackEntry* pEntry) {
    if (!pEntry) return ui::kTickerBanner;
    return pEntry->m_strArtist + "　：　" + pEntry->m_strTitle;
}

} // namespace ticker
