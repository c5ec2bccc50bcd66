#include "tests/support/ShellDrop.h"

#include <shlobj.h>

#include <cstring>

namespace {

template <class Char> HDROP MakeDropOf(const std::vector<std::basic_string<Char>>& paths) {
    std::basic_string<Char> list;
    for (const auto& p : paths)
        list += p + Char(0);
    list += Char(0);
    const size_t bytes = list.size() * sizeof(Char);
    HGLOBAL memory = ::GlobalAlloc(GHND, sizeof(DROPFILES) + bytes);
    DROPFILES* drop = static_cast<DROPFILES*>(::GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = sizeof(Char) == sizeof(wchar_t);
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(), bytes);
    ::GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

} // namespace

HDROP MakeDrop(const std::vector<std::string>& paths) {
    return MakeDropOf(paths);
}

HDROP MakeDropW(const std::vector<std::wstring>& paths) {
    return MakeDropOf(paths);
}
