#include "framework/RunRegion.h"

#include <vector>

namespace fw {

HRGN CreateRunRegion(RunTable table) {
    const std::vector<Run> runs = ExpandRuns(table);
    // RGNDATA is a header followed by the rectangles; RECT-aligned storage holds both.
    static_assert(sizeof(RGNDATAHEADER) % sizeof(RECT) == 0, "the rectangles follow the header");
    std::vector<RECT> storage(sizeof(RGNDATAHEADER) / sizeof(RECT) + runs.size());
    auto* data = reinterpret_cast<RGNDATA*>(storage.data());
    RECT* rects = reinterpret_cast<RECT*>(data->Buffer);
    for (size_t i = 0; i < runs.size(); ++i)
        rects[i] = {runs[i].first, runs[i].y, runs[i].last + 1, runs[i].y + 1};
    const RunBounds bounds = BoundsOf(table); // edges inclusive
    data->rdh.dwSize = sizeof(RGNDATAHEADER);
    data->rdh.iType = RDH_RECTANGLES;
    data->rdh.nCount = static_cast<DWORD>(runs.size());
    data->rdh.nRgnSize = static_cast<DWORD>(runs.size() * sizeof(RECT));
    data->rdh.rcBound = {bounds.left, bounds.top, bounds.right + 1, bounds.bottom + 1};
    return ::ExtCreateRegion(nullptr, static_cast<DWORD>(storage.size() * sizeof(RECT)), data);
}

void GiveWindowRegion(HWND window, HRGN region) {
    if (region && !::SetWindowRgn(window, region, TRUE)) ::DeleteObject(region);
}

void ApplyRunRegion(HWND window, RunTable table) {
    GiveWindowRegion(window, CreateRunRegion(table));
}

} // namespace fw
