#include "tools/skingen/PixelMask.h"

#include <algorithm>
#include <cmath>

namespace skingen {

PixelMask::PixelMask(mainwnd::RunTable table, int width, int height)
    : m_nWidth(width), m_nHeight(height), m_inside(static_cast<size_t>(width) * height, 0) {
    for (const mainwnd::Run& run : mainwnd::ExpandRuns(table))
        for (int x = run.first; x <= run.last; ++x)
            if (x >= 0 && x < width && run.y >= 0 && run.y < height)
                m_inside[static_cast<size_t>(run.y) * width + x] = 1;
    ComputeChessboardDistances();
}

bool PixelMask::Has(int x, int y) const {
    return x >= 0 && y >= 0 && x < m_nWidth && y < m_nHeight &&
           m_inside[static_cast<size_t>(y) * m_nWidth + x];
}

void PixelMask::ComputeChessboardDistances() {
    // Two chamfer passes; pixels beyond the image count as outside the set.
    const int far = m_nWidth + m_nHeight;
    m_chess.assign(m_inside.size(), far);
    auto at = [this](int x, int y) -> int& {
        return m_chess[static_cast<size_t>(y) * m_nWidth + x];
    };
    auto relax = [&](int x, int y, int nx, int ny) {
        const bool here = Has(x, y);
        if (nx < 0 || ny < 0 || nx >= m_nWidth || ny >= m_nHeight) {
            if (here) at(x, y) = std::min(at(x, y), 1);
            return;
        }
        at(x, y) = std::min(at(x, y), Has(nx, ny) != here ? 1 : at(nx, ny) + 1);
    };
    for (int y = 0; y < m_nHeight; ++y)
        for (int x = 0; x < m_nWidth; ++x)
            for (auto [dx, dy] : {std::pair{-1, -1}, {0, -1}, {1, -1}, {-1, 0}})
                relax(x, y, x + dx, y + dy);
    for (int y = m_nHeight - 1; y >= 0; --y)
        for (int x = m_nWidth - 1; x >= 0; --x)
            for (auto [dx, dy] : {std::pair{1, 1}, {0, 1}, {-1, 1}, {1, 0}})
                relax(x, y, x + dx, y + dy);
}

double PixelMask::DistanceToOtherSide(double x, double y, int px, int py, double limit) const {
    const bool here = Has(px, py);
    const int chess = (px >= 0 && py >= 0 && px < m_nWidth && py < m_nHeight)
                          ? m_chess[static_cast<size_t>(py) * m_nWidth + px]
                          : 1;
    // The nearest square on the other side is at least chess - 1 pixels away.
    if (chess - 1 >= limit) return limit;
    const int reach = std::min(chess, static_cast<int>(std::ceil(limit)) + 1);
    double best = limit;
    for (int qy = py - reach; qy <= py + reach; ++qy)
        for (int qx = px - reach; qx <= px + reach; ++qx) {
            if (Has(qx, qy) == here) continue;
            const double dx = std::max({qx - x, 0.0, x - (qx + 1)});
            const double dy = std::max({qy - y, 0.0, y - (qy + 1)});
            best = std::min(best, std::hypot(dx, dy));
        }
    return best;
}

double PixelMask::SignedDistance(double x, double y, double limit) const {
    const int px = static_cast<int>(std::floor(x));
    const int py = static_cast<int>(std::floor(y));
    const double d = DistanceToOtherSide(x, y, px, py, limit);
    return Has(px, py) ? -d : d;
}

} // namespace skingen
