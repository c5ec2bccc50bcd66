#include "framework/RunTable.h"

#include <algorithm>

namespace fw {

bool RunTable::Contains(int x, int y) const {
    return std::any_of(begin(), end(), [x, y](const RunRows& r) {
        return r.firstRow <= y && y <= r.lastRow && r.firstColumn <= x && x <= r.lastColumn;
    });
}

std::vector<Run> ExpandRuns(RunTable table) {
    std::vector<Run> runs;
    for (const RunRows& r : table)
        for (int y = r.firstRow; y <= r.lastRow; ++y)
            runs.push_back({y, r.firstColumn, r.lastColumn});
    // The region wants ascending rows, left to right; sorting keeps that even for a table that
    // writes a second run of some row apart from a row range covering it.
    std::stable_sort(runs.begin(), runs.end(), [](const Run& a, const Run& b) {
        return a.y != b.y ? a.y < b.y : a.first < b.first;
    });
    return runs;
}

RunBounds BoundsOf(RunTable table) {
    RunBounds bounds{table.begin()->firstColumn, table.begin()->firstRow, table.begin()->lastColumn,
                     table.begin()->lastRow};
    for (const RunRows& r : table) {
        bounds.left = std::min(bounds.left, r.firstColumn);
        bounds.top = std::min(bounds.top, r.firstRow);
        bounds.right = std::max(bounds.right, r.lastColumn);
        bounds.bottom = std::max(bounds.bottom, r.lastRow);
    }
    return bounds;
}

} // namespace fw
