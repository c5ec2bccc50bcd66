#include "framework/RunRegion.h"

namespace fw {

HRGN CreateRunRegion(RunTable table) {
    const RunPolygons polygons = ToTriangles(table);
    static_assert(sizeof(RunPoint) == sizeof(POINT), "points are handed over as they are");
    return ::CreatePolyPolygonRgn(reinterpret_cast<const POINT*>(polygons.points.data()),
                                  polygons.counts.data(), static_cast<int>(polygons.counts.size()),
                                  WINDING);
}

} // namespace fw
