// A set of window pixels (the outline, a button region) and distances to its edge, so shapes
// can be drawn to fit the fixed runs exactly. Platform-free.
#pragma once

#include "mainwnd/RunTables.h"

#include <cstdint>
#include <vector>

namespace skingen {

class PixelMask {
public:
    PixelMask(mainwnd::RunTable table, int width, int height);

    // False for every pixel outside the image.
    bool Has(int x, int y) const;

    // Signed distance from the point (x, y) of the window plane to the edge of the set, where
    // pixel (i, j) is the square [i, i+1) x [j, j+1): negative inside, positive outside; its
    // magnitude is capped at `limit`.
    double SignedDistance(double x, double y, double limit) const;

private:
    // Per pixel, the chessboard distance to the nearest pixel on the other side of the edge,
    // which bounds the search for the exact distance.
    void ComputeChessboardDistances();
    double DistanceToOtherSide(double x, double y, int px, int py, double limit) const;

    int m_nWidth, m_nHeight;
    std::vector<std::uint8_t> m_inside;
    std::vector<int> m_chess;
};

} // namespace skingen
