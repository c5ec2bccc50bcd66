// Where the ticker's text strip stands in its band, and how it moves on each 100 ms tick.
// Platform-free: the window copies what Visible() says and calls Advance() once per tick.
//
// A text no wider than the band stands still, left-aligned. A wider one stands at its start
// until the whole-second clock is more than four seconds past the moment it was rendered or
// the ticker was shown, then moves left by 2 pixels a tick. Once its last column has left the
// band (offset past the text's width) it re-enters from the band's right edge (offset -210)
// and runs on through offset 0 without pausing again.
#pragma once

#include "companions/TickerLayout.h"

#include <ctime>

namespace ticker {

constexpr int kScrollStep = 2;
// The text starts moving once the clock is more than this far past its start.
constexpr int kScrollPauseSec = 4;

// A part of the strip copied into the band.
struct StripCopy {
    int stripX; // first column of the strip
    int x;      // where it lands in the window (row kBandTop)
    int width;  // columns; 0 copies nothing
};

class CTickerScroll {
public:
    // A new strip `width` pixels wide, rendered at `now`: at its start, pausing.
    void SetText(int width, time_t now);
    // The ticker was shown at `now`: back to the start, pausing.
    void Restart(time_t now);

    // Only a text wider than the band moves.
    bool Moves() const { return m_nTextWidth > kBandWidth; }
    // The part of the strip that the band shows at the current offset.
    StripCopy Visible() const;
    // One tick's step at `now`: nothing during the pause, else 2 pixels on, wrapping to -210.
    void Advance(time_t now);

    int TextWidth() const { return m_nTextWidth; }
    int Offset() const { return m_nScrollPos; }

private:
    int m_nTextWidth = 0;      // width of the current strip in pixels
    int m_nScrollPos = 0;      // the strip's offset in the band, -210 to the strip's width
    time_t m_tScrollStart = 0; // when the text was rendered or the ticker last shown
};

} // namespace ticker
