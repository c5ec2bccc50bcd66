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

// The files appended, and the first of them as the list holds it once the adding is over: the
// problems reported meanwhile may have run message loops, in which the player removed entries.
struct CAddedFiles {
    std::vector<std::string> paths; // in the order they were appended
    int nFirstIndex = -1;           // the first of them that is still listed, or -1: none is
    size_t nFirst = 0;              // which of `paths` that is
};

// Appends each file of `paths`, in order, that can be read and is not yet listed (also earlier
// in `paths`); a full list refuses the rest silently. Nothing is saved: that is the caller's.
CAddedFiles AddFiles(CPlaylist& playlist, IDecoder& decoder, const std::vector<std::string>& paths,
                     AfterProblem after, const ReportFileProblem& report);
