// The system's file-open dialog as the playlist editor uses it: several MP3 files at once,
// names asked for in UTF-16 and passed on in code page 932, exactly or by their short names.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <functional>
#include <string>
#include <vector>

struct CChosenFiles {
    enum class Outcome { Cancelled, Chosen, TooLarge };
    Outcome outcome = Outcome::Cancelled;
    // Full paths in the dialog's order. An empty path stands for a file whose name has no code
    // page 932 form, exact or short: the player cannot name it.
    std::vector<std::string> paths;
};

// Runs the dialog modally, owned by `owner`, on the filter "おんがくふぁいる(*.mp3)".
CChosenFiles ChooseMp3Files(HWND owner);

// What the dialog answered: GetOpenFileNameW's result and, when that is FALSE,
// CommDlgExtendedError's code.
struct CFileDialogAnswer {
    BOOL bOk;
    DWORD dwError;
};
// Stands in for the system's dialog (tests): fills ofn.lpstrFile exactly as the dialog would.
using FileDialogHandler = std::function<CFileDialogAnswer(OPENFILENAMEW& ofn)>;
// Replaces the dialog for this process; an empty function restores the system's. Returns the
// handler it replaces.
FileDialogHandler SetFileDialogHandler(FileDialogHandler handler);
