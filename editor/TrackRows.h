// The playlist editor's rows as data: the columns, the texts of a row, which rows the up and
// down commands move, and how the rows catch up with a playlist that changed under them.
// Platform-free.
#pragma once

#include "playlist/TrackEntry.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace rows {

constexpr int kColumnCount = 5;

// Column titles (fixed 20-byte slots, ended by an empty title) and widths in pixels. The path
// column is zero wide: it holds the full path without showing it.
constexpr char kColumnTitles[kColumnCount + 1][20] = {"ファイル", "タイトル", "アーティスト",
                                                      "時間",     "パス",     ""};
constexpr int kColumnWidths[kColumnCount] = {130, 120, 100, 60, 0};
constexpr int kPathColumn = 4;

// File name, title, artist, time and full path.
std::array<std::string, kColumnCount> RowTexts(const CTrackEntry& entry);

// The rows that "up" moves, in the order to move them, each by one place towards the top:
// every selected row, from the top. Nothing when the first row is selected: then the whole
// command is refused and nothing is saved either.
std::optional<std::vector<int>> RowsToMoveUp(const std::vector<bool>& selected);
// The same for "down", from the bottom; refused when the last row is selected.
std::optional<std::vector<int>> RowsToMoveDown(const std::vector<bool>& selected);

// How rows showing `rowPaths` become rows showing `entryPaths`, when entries were only removed
// or appended: delete rows (each index as the rows stand at that moment, in order), then
// append the entries from `firstEntryToAppend` on.
struct CRowCatchUp {
    std::vector<int> rowsToDelete;
    int firstEntryToAppend = 0;
};
CRowCatchUp PlanRowCatchUp(const std::vector<std::string>& rowPaths,
                           const std::vector<std::string>& entryPaths);

} // namespace rows
