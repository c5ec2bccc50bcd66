#include "mainwnd/RunTables.h"

#include <algorithm>
#include <iterator>

namespace mainwnd {
namespace {

// One line per row or row range, in ascending rows, so that each line can be read against the
// drawings of the skin; two runs of one row stand side by side on one line.
// clang-format off

// Window outline. Rows 37 to 53 hold two runs (the panel's rounded top and the character's head,
// still apart), and so do rows 8, 135 and 138 (a one-pixel gap, a lone pixel).
constexpr RunRows kOutline[] = {
    {0, 0, 171, 179},
    {1, 1, 169, 181},
    {2, 2, 167, 184},
    {3, 3, 165, 186},
    {4, 4, 163, 187},
    {5, 5, 161, 188},
    {6, 6, 161, 190},
    {7, 7, 158, 191},
    {8, 8, 156, 156}, {8, 8, 158, 193},
    {9, 9, 155, 195},
    {10, 10, 154, 197},
    {11, 11, 153, 198},
    {12, 12, 151, 199},
    {13, 13, 150, 200},
    {14, 14, 149, 201},
    {15, 15, 148, 202},
    {16, 16, 147, 203},
    {17, 17, 146, 203},
    {18, 19, 145, 204},
    {20, 20, 144, 205},
    {21, 21, 142, 205},
    {22, 23, 141, 206},
    {24, 24, 140, 207},
    {25, 25, 139, 207},
    {26, 26, 139, 208},
    {27, 27, 138, 208},
    {28, 28, 138, 209},
    {29, 29, 137, 209},
    {30, 32, 137, 210},
    {33, 33, 137, 211},
    {34, 34, 136, 211},
    {35, 36, 136, 212},
    {37, 37, 65, 87}, {37, 37, 135, 212},
    {38, 38, 58, 94}, {38, 38, 135, 216},
    {39, 39, 54, 98}, {39, 39, 135, 217},
    {40, 40, 50, 101}, {40, 40, 134, 217},
    {41, 41, 47, 104}, {41, 41, 134, 218},
    {42, 42, 45, 107}, {42, 42, 132, 220},
    {43, 43, 42, 109}, {43, 43, 131, 221},
    {44, 44, 40, 112}, {44, 44, 130, 222},
    {45, 45, 38, 114}, {45, 45, 130, 222},
    {46, 46, 36, 116}, {46, 46, 129, 223},
    {47, 47, 34, 117}, {47, 47, 129, 223},
    {48, 48, 33, 119}, {48, 48, 129, 223},
    {49, 49, 31, 121}, {49, 49, 129, 223},
    {50, 50, 30, 122}, {50, 50, 129, 223},
    {51, 51, 28, 124}, {51, 51, 131, 222},
    {52, 52, 27, 125}, {52, 52, 131, 222},
    {53, 53, 25, 126}, {53, 53, 131, 222},
    {54, 54, 24, 221},
    {55, 55, 23, 221},
    {56, 56, 22, 221},
    {57, 57, 21, 220},
    {58, 58, 20, 219},
    {59, 59, 19, 219},
    {60, 60, 18, 219},
    {61, 61, 17, 220},
    {62, 62, 16, 221},
    {63, 63, 15, 222},
    {64, 64, 14, 222},
    {65, 65, 14, 223},
    {66, 66, 13, 224},
    {67, 67, 12, 225},
    {68, 68, 11, 225},
    {69, 69, 11, 226},
    {70, 70, 10, 226},
    {71, 71, 10, 227},
    {72, 72, 9, 227},
    {73, 74, 8, 228},
    {75, 75, 7, 228},
    {76, 76, 7, 229},
    {77, 77, 6, 229},
    {78, 79, 6, 230},
    {80, 81, 5, 230},
    {82, 84, 4, 231},
    {85, 87, 3, 231},
    {88, 88, 2, 231},
    {89, 89, 2, 232},
    {90, 90, 2, 231},
    {91, 93, 2, 232},
    {94, 98, 1, 232},
    {99, 105, 1, 231},
    {106, 108, 1, 230},
    {109, 110, 1, 229},
    {111, 113, 1, 228},
    {114, 116, 1, 227},
    {117, 117, 1, 226},
    {118, 118, 1, 225},
    {119, 121, 1, 224},
    {122, 124, 1, 222},
    {125, 125, 1, 221},
    {126, 127, 1, 220},
    {128, 128, 1, 218},
    {129, 129, 1, 217},
    {130, 131, 1, 216},
    {132, 132, 1, 215},
    {133, 134, 1, 213},
    {135, 135, 1, 210}, {135, 135, 212, 212},
    {136, 136, 1, 209},
    {137, 137, 1, 207},
    {138, 138, 1, 206}, {138, 138, 209, 209},
    {139, 139, 1, 204},
    {140, 140, 1, 213},
    {141, 141, 1, 216},
    {142, 142, 1, 218},
    {143, 143, 1, 220},
    {144, 144, 1, 221},
    {145, 145, 1, 222},
    {146, 146, 1, 223},
    {147, 147, 1, 224},
    {148, 148, 1, 225},
    {149, 150, 1, 226},
    {151, 152, 1, 227},
    {153, 154, 1, 228},
    {155, 188, 1, 229},
    {189, 191, 2, 228},
    {192, 193, 3, 227},
    {194, 195, 4, 226},
    {196, 196, 5, 225},
    {197, 197, 6, 224},
    {198, 198, 7, 223},
    {199, 199, 8, 222},
    {200, 200, 9, 221},
    {201, 201, 11, 219},
    {202, 202, 13, 217},
    {203, 203, 15, 215},
    {204, 204, 18, 212},
};

// Button 0, play/pause: an arc along the panel's rounded top.
constexpr RunRows kButton0[] = {
    {50, 50, 75, 80},
    {51, 51, 65, 88},
    {52, 52, 61, 93},
    {53, 53, 57, 97},
    {54, 54, 54, 100},
    {55, 55, 51, 102},
    {56, 56, 49, 105},
    {57, 57, 47, 107},
    {58, 58, 45, 109},
    {59, 59, 43, 111},
    {60, 60, 41, 112},
    {61, 61, 40, 114},
    {62, 62, 38, 115},
    {63, 63, 37, 115},
    {64, 64, 36, 114},
    {65, 65, 34, 113},
    {66, 66, 33, 112},
    {67, 67, 32, 111},
    {68, 68, 31, 111},
    {69, 69, 30, 110},
    {70, 70, 29, 109},
    {71, 71, 28, 108},
    {72, 72, 27, 107},
    {73, 73, 26, 107},
    {74, 74, 26, 106},
    {75, 75, 25, 105},
    {76, 76, 24, 105},
    {77, 77, 23, 104},
    {78, 78, 23, 103},
    {79, 79, 22, 103},
    {80, 81, 21, 102},
    {82, 83, 20, 101},
    {84, 85, 19, 100},
    {86, 87, 18, 99},
    {88, 88, 18, 98},
    {89, 89, 17, 98},
    {90, 90, 18, 97},
};

// Button 1, stop.
constexpr RunRows kButton1[] = {
    {94, 94, 16, 96},
    {95, 99, 15, 96},
    {100, 101, 15, 95},
    {102, 113, 14, 95},
    {114, 114, 15, 94},
};

// Button 2, previous.
constexpr RunRows kButton2[] = {
    {119, 119, 15, 56},
    {120, 143, 14, 56},
    {144, 144, 15, 56},
};

// Button 3, next.
constexpr RunRows kButton3[] = {
    {119, 119, 61, 95},
    {120, 122, 61, 96},
    {123, 125, 61, 97},
    {126, 127, 61, 98},
    {128, 129, 61, 99},
    {130, 131, 61, 100},
    {132, 133, 61, 101},
    {134, 134, 61, 102},
    {135, 135, 61, 103},
    {136, 137, 61, 104},
    {138, 144, 61, 105},
};

// Button 4, ticker.
constexpr RunRows kButton4[] = {
    {149, 180, 15, 44},
};

// Button 5, playlist.
constexpr RunRows kButton5[] = {
    {149, 180, 51, 82},
};

// Button 6, exit: a circle.
constexpr RunRows kButton6[] = {
    {149, 149, 101, 110},
    {150, 150, 98, 113},
    {151, 151, 97, 114},
    {152, 152, 95, 116},
    {153, 153, 94, 117},
    {154, 154, 93, 118},
    {155, 155, 92, 119},
    {156, 157, 91, 120},
    {158, 160, 90, 121},
    {161, 168, 89, 122},
    {169, 171, 90, 121},
    {172, 172, 91, 120},
    {173, 173, 91, 119},
    {174, 174, 92, 119},
    {175, 175, 93, 118},
    {176, 176, 94, 117},
    {177, 177, 95, 116},
    {178, 178, 97, 114},
    {179, 179, 99, 112},
    {180, 180, 101, 110},
};
// clang-format on

constexpr RunTable kButtons[BUTTON_COUNT] = {
    {std::begin(kButton0), std::end(kButton0)}, {std::begin(kButton1), std::end(kButton1)},
    {std::begin(kButton2), std::end(kButton2)}, {std::begin(kButton3), std::end(kButton3)},
    {std::begin(kButton4), std::end(kButton4)}, {std::begin(kButton5), std::end(kButton5)},
    {std::begin(kButton6), std::end(kButton6)},
};

} // namespace

bool RunTable::Contains(int x, int y) const {
    return std::any_of(begin(), end(), [x, y](const RunRows& r) {
        return r.firstRow <= y && y <= r.lastRow && r.firstColumn <= x && x <= r.lastColumn;
    });
}

RunTable WindowOutline() {
    return {std::begin(kOutline), std::end(kOutline)};
}

RunTable ButtonRegion(int index) {
    return kButtons[index];
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

RunPolygons ToTriangles(RunTable table) {
    RunPolygons polygons;
    for (const Run& run : ExpandRuns(table)) {
        polygons.points.push_back({run.first, run.y});
        polygons.points.push_back({run.last + 1, run.y});
        polygons.points.push_back({run.last + 1, run.y + 1});
        polygons.counts.push_back(3);
    }
    return polygons;
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

bool IsInsideOutline(int x, int y) {
    return WindowOutline().Contains(x, y);
}

int HitButton(int x, int y) {
    for (int index = 0; index < BUTTON_COUNT; ++index)
        if (kButtons[index].Contains(x, y)) return index;
    return NO_BUTTON;
}

} // namespace mainwnd
