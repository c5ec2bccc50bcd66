// The program's INI file: the one object that reads and writes it, bound to its path when it is
// made. Every key is read the same way (as the private-profile functions read it) and every
// write is one edit of the file's whole text followed by one replacement of the file. Texts are
// code page 932 byte strings whatever the file's own encoding. Platform-free interface: the
// Win32 implementation works on the file itself; tests may use an in-memory one.
#pragma once

#include <functional>
#include <string>

namespace fw {

class IIniFile {
public:
    virtual ~IIniFile() = default;

    // GetPrivateProfileIntA with default 0.
    virtual int GetInt(const char* section, const char* key) = 0;
    // GetPrivateProfileStringA with default "" into a buffer of `bufferSize` bytes (the
    // terminating zero included), so at most bufferSize - 1 bytes come back.
    virtual std::string GetString(const char* section, const char* key, size_t bufferSize) = 0;

    // Takes the file's whole text ("" when there is no file) and gives the text to store.
    using Edit = std::function<std::string(const std::string& text)>;
    // Replaces the file by edit(its text) in one step: whatever happens meanwhile (a crash, a
    // full disk), the file afterwards holds either its former contents or all of the new ones.
    // The file keeps its encoding (code page 932, or UTF-16 with its byte order mark). A file
    // that exists but cannot be read is never replaced: `edit` is not called then. False when
    // the file was left as it was.
    virtual bool Rewrite(const Edit& edit) = 0;
};

} // namespace fw
