#include "companions/TickerLayout.h"

#include <algorithm>
#include <cstdio>

namespace ticker {

fw::RunTable BalloonRuns() {
    // Rows 0 and 79 are empty; rows 1 to 56 are the balloon's body, 57 to 78 its tail, which
    // points down at the main window.
    // clang-format off
    static constexpr fw::RunRows kRuns[] = {
        {1, 1, 10, 220},
        {2, 2, 7, 223},
        {3, 3, 5, 224},
        {4, 4, 4, 225},
        {5, 5, 3, 226},
        {6, 7, 2, 227},
        {8, 50, 1, 228},
        {51, 51, 2, 227},
        {52, 52, 3, 226},
        {53, 53, 4, 225},
        {54, 54, 5, 224},
        {55, 55, 6, 222},
        {56, 56, 8, 221},
        {57, 57, 104, 135},
        {58, 58, 105, 134},
        {59, 60, 106, 133},
        {61, 61, 107, 132},
        {62, 63, 108, 131},
        {64, 64, 109, 130},
        {65, 65, 110, 129},
        {66, 66, 111, 129},
        {67, 67, 111, 128},
        {68, 68, 112, 127},
        {69, 70, 113, 126},
        {71, 71, 114, 125},
        {72, 73, 115, 124},
        {74, 74, 116, 123},
        {75, 76, 117, 122},
        {77, 77, 118, 121},
        {78, 78, 119, 120},
    };
    // clang-format on
    return kRuns;
}

namespace {

// Left edges of the cells in the window.
constexpr int kTrackCells[3] = {100, 113, 126};
constexpr int kMinuteCells[3] = {150, 163, 176};
constexpr int kColonCell = 189;
constexpr int kSecondCells[2] = {195, 208};

GlyphCopy Digit(char c, int x) {
    return {2 + 16 * (c - '0'), x, kGlyphWidth};
}

} // namespace

std::array<GlyphCopy, 9> DigitCopies(int index, int elapsedSec) {
    // The formats give only digits for numbers of at least 0; every glyph lies in the bitmap.
    const int number = std::max(index + 1, 0);
    const int seconds = std::max(elapsedSec, 0);
    char track[16], minutes[16], secs[16];
    std::snprintf(track, sizeof track, "%3.3d", number);
    std::snprintf(minutes, sizeof minutes, "%3.3d", seconds / 60);
    std::snprintf(secs, sizeof secs, "%2.2d", seconds % 60);
    return {Digit(track[0], kTrackCells[0]),         Digit(track[1], kTrackCells[1]),
            Digit(track[2], kTrackCells[2]),         Digit(minutes[0], kMinuteCells[0]),
            Digit(minutes[1], kMinuteCells[1]),      Digit(minutes[2], kMinuteCells[2]),
            {kColonGlyphX, kColonCell, kColonWidth}, Digit(secs[0], kSecondCells[0]),
            Digit(secs[1], kSecondCells[1])};
}

} // namespace ticker
