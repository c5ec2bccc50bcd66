// Adding files to the playlist: a drop on the player and the editor's file dialog take files the
// same way. Platform-free.
#pragma once

#include "decoder/Decoder.h"
#include "playlist/Playlist.h"

#include <functional>
#include <string>
#include <vector>

// Why a file could not be taken.
enum class FileProblem {
    UnusableName, // an empty path: the name has no code page 932 form, exact or short
    Unreadable,   // its information cannot be read
};

// What follows a file that could not be taken: the next file (a drop), or nothing more (the
// editor's file dialog, where the user chose the files together).
enum class AfterProblem { Continue, Stop };

// Shows the problem of a file that could not be taken; false stops the adding at once (the one
// who asked is gone).
using ReportFileProblem = std::function<bool(FileProblem)>;

// Appends each file of `paths`, in order, that can be read and is not yet listed (also earlier
// in `paths`); a full list refuses the rest silently. Returns the paths appended, in order.
// Nothing is saved: that is the caller's.
std::vector<std::string> AddFiles(CPlaylist& playlist, IDecoder& decoder,
                                  const std::vector<std::string>& paths, AfterProblem after,
                                  const ReportFileProblem& report);
