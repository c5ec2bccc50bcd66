#include "playlist/AddFiles.h"

#include "playlist/TrackInfo.h"

CAddedFiles AddFiles(CPlaylist& playlist, IDecoder& decoder, const std::vector<std::string>& paths,
                     AfterProblem after, const ReportFileProblem& report) {
    CAddedFiles added;
    for (const std::string& path : paths) {
        CTrackEntry entry;
        // An empty path is a file whose name the player cannot hold: no use trying to read it.
        const bool usable = !path.empty();
        if (!usable || !ReadTrackInfo(decoder, path, &entry)) {
            if (!report(usable ? FileProblem::Unreadable : FileProblem::UnusableName) ||
                after == AfterProblem::Stop)
                break;
            continue;
        }
        if (!playlist.IsNewPath(path)) continue;
        int index = -1;
        if (playlist.Add(&index, std::move(entry))) added.paths.push_back(path);
    }
    for (added.nFirst = 0; added.nFirst < added.paths.size(); ++added.nFirst) {
        added.nFirstIndex = playlist.FindPath(added.paths[added.nFirst]);
        if (added.nFirstIndex != -1) break;
    }
    return added;
}
