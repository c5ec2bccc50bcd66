// A window region from a run table (framework/RunTable.h).
#pragma once

#include "framework/RunTable.h"

#include <windows.h>

namespace fw {

// One CreatePolyPolygonRgn call with the winding fill rule and one triangle per run, which
// covers exactly the table's pixels. Owned by the caller until SetWindowRgn takes it; null when
// the region cannot be created.
HRGN CreateRunRegion(RunTable table);

} // namespace fw
