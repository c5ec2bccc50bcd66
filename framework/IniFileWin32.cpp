#include "framework/IniFileWin32.h"

#include "framework/Handle.h"

#include <windows.h>

namespace fw {

int CIniFileWin32::GetInt(const std::string& path, const char* section, const char* key) {
    return static_cast<int>(::GetPrivateProfileIntA(section, key, 0, path.c_str()));
}

std::string CIniFileWin32::GetString(const std::string& path, const char* section, const char* key,
                                     size_t bufferSize) {
    std::string buffer(bufferSize, '\0');
    const DWORD n = ::GetPrivateProfileStringA(section, key, "", &buffer[0],
                                               static_cast<DWORD>(bufferSize), path.c_str());
    buffer.resize(n);
    return buffer;
}

std::vector<std::string> CIniFileWin32::GetSection(const std::string& path, const char* section) {
    // The call reports a too-small buffer by returning its size minus two; grow and retry.
    std::string buffer(32 * 1024, '\0');
    DWORD n = 0;
    for (;;) {
        n = ::GetPrivateProfileSectionA(section, &buffer[0], static_cast<DWORD>(buffer.size()),
                                        path.c_str());
        if (n + 2 < buffer.size() || buffer.size() >= (1u << 24)) break;
        buffer.assign(buffer.size() * 2, '\0');
    }
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < n) {
        const size_t end = buffer.find('\0', start);
        if (end == std::string::npos || end == start) break;
        lines.push_back(buffer.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

bool CIniFileWin32::WriteString(const std::string& path, const char* section, const char* key,
                                const std::string& value) {
    return ::WritePrivateProfileStringA(section, key, value.c_str(), path.c_str()) != FALSE;
}

bool CIniFileWin32::ReadContents(const std::string& path, std::string* contents) {
    CHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        const DWORD error = ::GetLastError();
        contents->clear();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    }
    LARGE_INTEGER size{};
    bool ok = ::GetFileSizeEx(file, &size) && size.QuadPart < (1 << 26); // an INI file, not 64 MB
    std::string text(ok ? static_cast<size_t>(size.QuadPart) : 0, '\0');
    DWORD read = 0;
    ok = ok && (text.empty() ||
                (::ReadFile(file, &text[0], static_cast<DWORD>(text.size()), &read, nullptr) &&
                 read == text.size()));
    if (ok) *contents = std::move(text);
    return ok;
}

bool CIniFileWin32::ReplaceContents(const std::string& path, const std::string& contents) {
    // Same folder as the target, so that the rename cannot become a copy across volumes.
    const std::string temp = path + ".new";
    CHandle file(::CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD written = 0;
    const BOOL wrote = ::WriteFile(file, contents.data(), static_cast<DWORD>(contents.size()),
                                   &written, nullptr) &&
                       written == contents.size();
    // The data must be on disk before the rename makes it the file: a rename that outlives a
    // crash must never point at an empty file.
    const BOOL flushed = wrote && ::FlushFileBuffers(file);
    file.Close(); // before the rename: a file open without sharing cannot be moved
    if (!flushed || !::MoveFileExA(temp.c_str(), path.c_str(),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ::DeleteFileA(temp.c_str());
        return false;
    }
    return true;
}

} // namespace fw
