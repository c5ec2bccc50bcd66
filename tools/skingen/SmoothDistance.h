// A blurred copy of a mask's signed distance, for lines drawn parallel to the window outline: the
// outline's one-pixel steps would otherwise show as wobbles in every line that follows it.
#pragma once

#include "tools/skingen/PixelMask.h"

#include <vector>

namespace skingen {

class SmoothDistance {
public:
    SmoothDistance(const PixelMask& mask, int width, int height, double limit);

    // Bilinear between pixel centres; the nearest edge value beyond the image.
    double At(double x, double y) const;

private:
    double Cell(int x, int y) const;

    int m_nWidth, m_nHeight;
    std::vector<double> m_values;
};

} // namespace skingen
