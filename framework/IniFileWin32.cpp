#include "framework/IniFileWin32.h"

#include "framework/Handle.h"
#include "framework/IniFileEncoding.h"

#include <windows.h>

namespace fw {
namespace {

// The whole file as it is on disk. True with `bytes` empty when there is no file; false when the
// file exists but cannot be read.
bool ReadBytes(const std::string& path, std::string* bytes) {
    CHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        const DWORD error = ::GetLastError();
        bytes->clear();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    }
    LARGE_INTEGER size{};
    bool ok = ::GetFileSizeEx(file, &size) && size.QuadPart < (1 << 26); // an INI file, not 64 MB
    std::string text(ok ? static_cast<size_t>(size.QuadPart) : 0, '\0');
    DWORD read = 0;
    ok = ok && (text.empty() ||
                (::ReadFile(file, &text[0], static_cast<DWORD>(text.size()), &read, nullptr) &&
                 read == text.size()));
    if (ok) *bytes = std::move(text);
    return ok;
}

// The file holds `bytes` afterwards, or what it held before: never a part.
bool ReplaceBytes(const std::string& path, const std::string& bytes) {
    // Same folder as the target, so that the rename cannot become a copy across volumes.
    const std::string temp = path + ".new";
    CHandle file(::CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD written = 0;
    const BOOL wrote =
        ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size();
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

} // namespace

int CIniFileWin32::GetInt(const char* section, const char* key) {
    return static_cast<int>(::GetPrivateProfileIntA(section, key, 0, m_path.c_str()));
}

std::string CIniFileWin32::GetString(const char* section, const char* key, size_t bufferSize) {
    std::string buffer(bufferSize, '\0');
    const DWORD n = ::GetPrivateProfileStringA(section, key, "", &buffer[0],
                                               static_cast<DWORD>(bufferSize), m_path.c_str());
    buffer.resize(n);
    return buffer;
}

bool CIniFileWin32::Rewrite(const Edit& edit) {
    std::string bytes;
    if (!ReadBytes(m_path, &bytes)) return false;
    const CIniFileText former = DecodeIniFile(bytes);
    return ReplaceBytes(m_path, EncodeIniFile(former, edit(former.text)));
}

} // namespace fw
