#include "playlist/AddFiles.h"

#include "playlist/TrackInfo.h"

std::vector<std::string> AddFiles(CPlaylist& playlist, IDecoder& decoder,
                                  const std::vector<std::string>& paths, AfterProblem after,
                                  const ReportFileProblem& report) {
    std::vector<std::string> added;
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
        if (playlist.Add(&index, std::move(entry))) added.push_back(path);
    }
    return added;
}
