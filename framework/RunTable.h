// Shapes held as tables of one-pixel-high runs of pixels (x to the right, y downwards), as the
// program's shaped windows and the main window's buttons are: looking points up, and expanding
// the runs into the triangles that the region functions take. Platform-free.
#pragma once

#include <cstddef>
#include <vector>

namespace fw {

// Every row from firstRow to lastRow holds the run of columns firstColumn to lastColumn, both
// ends inclusive. A single row is written with firstRow == lastRow.
struct RunRows {
    int firstRow, lastRow, firstColumn, lastColumn;
};

// A read-only view of one table, its lines in ascending row order.
class RunTable {
public:
    constexpr RunTable(const RunRows* first, const RunRows* last) : m_first(first), m_last(last) {}
    template <std::size_t N>
    constexpr RunTable(const RunRows (&rows)[N]) : m_first(rows), m_last(rows + N) {}
    constexpr const RunRows* begin() const { return m_first; }
    constexpr const RunRows* end() const { return m_last; }
    bool Contains(int x, int y) const;

private:
    const RunRows* m_first;
    const RunRows* m_last;
};

// One run of one row, columns first to last inclusive.
struct Run {
    int y, first, last;
};

// The table's runs, one per row it covers, ascending by row and left to right within a row.
std::vector<Run> ExpandRuns(RunTable table);

// Same layout as the platform's POINT, so the Win32 side can hand the points over as they are.
struct RunPoint {
    int x, y;
};

// Arguments for one polygon-region call: the run of row y from a to b becomes the triangle
// (a, y), (b + 1, y), (b + 1, y + 1), which the winding fill rule turns into exactly those pixels.
struct RunPolygons {
    std::vector<RunPoint> points;
    std::vector<int> counts; // 3 per triangle, one entry per run
};
RunPolygons ToTriangles(RunTable table);

// Smallest rectangle holding every pixel of the table, edges inclusive.
struct RunBounds {
    int left, top, right, bottom;
};
RunBounds BoundsOf(RunTable table);

} // namespace fw
