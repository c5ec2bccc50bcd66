#include "framework/AnsiText.h"

#include <windows.h>

namespace fw {

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
