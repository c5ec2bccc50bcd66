#include "editor/TrackRows.h"

#include "playlist/TrackInfo.h"

namespace rows {

std::array<std::string, kColumnCount> RowTexts(const CTrackEntry& entry) {
    return {FileNameText(entry.m_strPath), entry.m_strTitle, entry.m_strArtist,
            TimeText(entry.m_nTotalSec), entry.m_strPath};
}

std::optional<std::vector<int>> RowsToMoveUp(const std::vector<bool>& selected) {
    if (!selected.empty() && selected.front()) return std::nullopt;
    std::vector<int> moves;
    for (size_t i = 1; i < selected.size(); ++i)
        if (selected[i]) moves.push_back(static_cast<int>(i));
    return moves;
}

std::optional<std::vector<int>> RowsToMoveDown(const std::vector<bool>& selected) {
    if (!selected.empty() && selected.back()) return std::nullopt;
    std::vector<int> moves;
    for (size_t i = selected.size(); i-- > 0;)
        if (selected[i]) moves.push_back(static_cast<int>(i));
    return moves;
}

CRowCatchUp PlanRowCatchUp(const std::vector<std::string>& rowPaths,
                           const std::vector<std::string>& entryPaths) {
    CRowCatchUp plan;
    size_t entry = 0;
    int row = 0; // the row's index among the rows left so far
    for (const std::string& path : rowPaths) {
        if (entry < entryPaths.size() && path == entryPaths[entry]) {
            ++entry;
            ++row;
        } else {
            plan.rowsToDelete.push_back(row); // its entry is gone; the next row moves up
        }
    }
    plan.firstEntryToAppend = static_cast<int>(entry);
    return plan;
}

} // namespace rows
