#include "framework/AnsiText.h"

#include <windows.h>

#include <utility>

namespace fw {

namespace {

ShortPathFunction& ShortPathOverride() {
    static ShortPathFunction function;
    return function;
}

std::wstring ShortPath(const std::wstring& path) {
    if (ShortPathOverride()) return ShortPathOverride()(path);
    const DWORD size = ::GetShortPathNameW(path.c_str(), nullptr, 0);
    if (size == 0) return path;
    std::wstring shortPath(size, L'\0');
    const DWORD n = ::GetShortPathNameW(path.c_str(), &shortPath[0], size);
    if (n == 0 || n >= size) return path;
    shortPath.resize(n);
    return shortPath;
}

} // namespace

bool ToAnsiPath(const std::wstring& path, std::string* pOut) {
    if (ToAnsiExact(path, pOut)) return true;
    const std::wstring shortPath = ShortPath(path);
    return shortPath != path && ToAnsiExact(shortPath, pOut);
}

ShortPathFunction SetShortPathFunction(ShortPathFunction function) {
    return std::exchange(ShortPathOverride(), std::move(function));
}

bool ToAnsiExact(const std::wstring& text, std::string* pOut) {
    if (text.empty()) {
        pOut->clear();
        return true;
    }
    const int wideLength = static_cast<int>(text.size());
    BOOL usedDefault = FALSE;
    const int size = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), wideLength,
                                           nullptr, 0, nullptr, &usedDefault);
    if (size <= 0 || usedDefault) return false;
    std::string ansi(static_cast<size_t>(size), '\0');
    ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), wideLength, &ansi[0], size,
                          nullptr, &usedDefault);
    if (usedDefault) return false;
    // The way back must give the same characters: nothing was approximated on the way there.
    const int backLength =
        ::MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, ansi.data(), size, nullptr, 0);
    if (backLength != wideLength) return false;
    std::wstring back(static_cast<size_t>(backLength), L'\0');
    ::MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, ansi.data(), size, &back[0], backLength);
    if (back != text) return false;
    *pOut = std::move(ansi);
    return true;
}

} // namespace fw
