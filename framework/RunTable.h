// Shapes held as tables of one-pixel-high runs of pixels (x to the right, y downwards), as the
// program's shaped windows and the main window's buttons are: looking points up, and expanding
// the rows into single runs, one rectangle of a region each. Platform-free.
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

// Smallest rectangle holding every pixel of the table, edges inclusive.
struct RunBounds {
    int left, top, right, bottom;
};
RunBounds BoundsOf(RunTable table);

} // namespace fw
