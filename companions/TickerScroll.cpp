#include "companions/TickerScroll.h"

#include <algorithm>

namespace ticker {

void CTickerScroll::SetText(int width, time_t now) {
    m_nTextWidth = width;
    Restart(now);
}

void CTickerScroll::Restart(time_t now) {
    m_tScrollStart = now;
    m_nScrollPos = 0;
}

StripCopy CTickerScroll::Visible() const {
    // Re-entering: the strip's start has come in from the right edge, `-offset` columns short
    // of the band's left edge.
    if (m_nScrollPos < 0) return {0, kBandLeft - m_nScrollPos, m_nScrollPos + kBandWidth};
    return {m_nScrollPos, kBandLeft, std::min(m_nTextWidth - m_nScrollPos, kBandWidth)};
}

void CTickerScroll::Advance(time_t now) {
    if (m_nScrollPos == 0 && now - m_tScrollStart <= kScrollPauseSec) return;
    m_nScrollPos += kScrollStep;
    if (m_nScrollPos > m_nTextWidth) m_nScrollPos = -kBandWidth;
}

} // namespace ticker
