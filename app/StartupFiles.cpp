#include "app/StartupFiles.h"

#include "framework/AnsiText.h"

#include <windows.h>
#include <shellapi.h>

std::vector<std::string> StartupFiles(const wchar_t* commandLine) {
    std::vector<std::string> files;
    int count = 0;
    LPWSTR* args = ::CommandLineToArgvW(commandLine, &count);
    if (!args) return files;
    for (int i = 1; i < count; ++i) { // args[0] is the program
        std::wstring path = args[i];
        const DWORD size = ::GetFullPathNameW(args[i], 0, nullptr, nullptr);
        if (size > 0) {
            std::wstring full(size, L'\0');
            const DWORD n = ::GetFullPathNameW(args[i], size, &full[0], nullptr);
            if (n > 0 && n < size) path.assign(full, 0, n);
        }
        std::string ansi;
        files.push_back(fw::ToAnsiPath(path, &ansi) ? ansi : std::string());
    }
    ::LocalFree(args);
    return files;
}
