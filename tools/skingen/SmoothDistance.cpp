#include "tools/skingen/SmoothDistance.h"

#include <algorithm>
#include <cmath>

namespace skingen {

SmoothDistance::SmoothDistance(const PixelMask& mask, int width, int height, double limit)
    : m_nWidth(width), m_nHeight(height), m_values(static_cast<size_t>(width) * height) {
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            m_values[static_cast<size_t>(y) * width + x] =
                mask.SignedDistance(x + 0.5, y + 0.5, limit);

    // Two passes of a 1-4-6-4-1 kernel each way: about a pixel and a half of blur.
    const double kernel[5] = {1 / 16.0, 4 / 16.0, 6 / 16.0, 4 / 16.0, 1 / 16.0};
    for (int pass = 0; pass < 2; ++pass) {
        for (const bool horizontal : {true, false}) {
            std::vector<double> blurred(m_values.size());
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x) {
                    double sum = 0;
                    for (int k = -2; k <= 2; ++k)
                        sum += kernel[k + 2] * (horizontal ? Cell(x + k, y) : Cell(x, y + k));
                    blurred[static_cast<size_t>(y) * width + x] = sum;
                }
            m_values.swap(blurred);
        }
    }
}

double SmoothDistance::Cell(int x, int y) const {
    x = std::clamp(x, 0, m_nWidth - 1);
    y = std::clamp(y, 0, m_nHeight - 1);
    return m_values[static_cast<size_t>(y) * m_nWidth + x];
}

double SmoothDistance::At(double x, double y) const {
    const double fx = x - 0.5, fy = y - 0.5;
    const int x0 = static_cast<int>(std::floor(fx)), y0 = static_cast<int>(std::floor(fy));
    const double tx = fx - x0, ty = fy - y0;
    const double top = Cell(x0, y0) * (1 - tx) + Cell(x0 + 1, y0) * tx;
    const double bottom = Cell(x0, y0 + 1) * (1 - tx) + Cell(x0 + 1, y0 + 1) * tx;
    return top * (1 - ty) + bottom * ty;
}

} // namespace skingen
