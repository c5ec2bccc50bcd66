#include "tests/support/ShellDrop.h"

#include <shlobj.h>

#include <cstring>

HDROP MakeDrop(const std::vector<std::string>& paths) {
    std::string list;
    for (const std::string& p : paths)
        list += p + '\0';
    list += '\0';
    HGLOBAL memory = ::GlobalAlloc(GHND, sizeof(DROPFILES) + list.size());
    DROPFILES* drop = static_cast<DROPFILES*>(::GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = FALSE;
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(), list.size());
    ::GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}
