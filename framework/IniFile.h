// The operations the program performs on its INI file. Platform-free interface: the Win32
// implementation uses the private-profile functions; tests may use an in-memory one.
#pragma once

#include <string>
#include <vector>

namespace fw {

class IIniFile {
public:
    virtual ~IIniFile() = default;

    // GetPrivateProfileIntA with default 0.
    virtual int GetInt(const std::string& path, const char* section, const char* key) = 0;
    // GetPrivateProfileStringA with default "" into a buffer of `bufferSize` bytes (the
    // terminating zero included), so at most bufferSize - 1 bytes come back.
    virtual std::string GetString(const std::string& path, const char* section, const char* key,
                                  size_t bufferSize) = 0;
    // The section's entries as "key=value" lines, in file order (GetPrivateProfileSectionA).
    virtual std::vector<std::string> GetSection(const std::string& path, const char* section) = 0;
    // WritePrivateProfileStringA. False when the write failed.
    virtual bool WriteString(const std::string& path, const char* section, const char* key,
                             const std::string& value) = 0;
    // The whole file as it is on disk. True with `contents` empty when there is no file; false
    // when the file exists but cannot be read (it must then not be replaced).
    virtual bool ReadContents(const std::string& path, std::string* contents) = 0;
    // Replaces the whole file by `contents` in one step: whatever happens meanwhile (a crash, a
    // full disk), the file afterwards holds either its former contents or all of `contents`.
    // False when the file was left as it was.
    virtual bool ReplaceContents(const std::string& path, const std::string& contents) = 0;
};

} // namespace fw
