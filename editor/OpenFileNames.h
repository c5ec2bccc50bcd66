// The names that the file-open dialog hands back for a selection of several files, taken
// apart. Platform-free.
//
// The dialog fills a buffer of UTF-16 units with one full path, or a folder followed by file
// names, each ending in a zero; an empty name ends the list. The caller allocates one unit
// more than it tells the dialog and keeps that unit zero, so that a list which the dialog cut
// off at the end of the buffer (without its final zero) still ends inside the allocation.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

struct COpenFileNames {
    // The selection did not fit into what the dialog was told: nothing of it is taken, not
    // even the complete names before the cut.
    bool bTooLarge = false;
    std::vector<std::u16string> paths; // full paths, in the dialog's order
};

// `buffer` holds `toldUnits` + 1 units, the last of them zero. A list is complete only when its
// ending empty name lies within the `toldUnits` units.
COpenFileNames ParseOpenFileNames(const char16_t* buffer, size_t toldUnits);
