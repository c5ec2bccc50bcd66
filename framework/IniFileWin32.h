// fw::IIniFile over the system's private-profile functions (ANSI, code page 932).
#pragma once

#include "framework/IniFile.h"

namespace fw {

class CIniFileWin32 final : public IIniFile {
public:
    int GetInt(const std::string& path, const char* section, const char* key) override;
    std::string GetString(const std::string& path, const char* section, const char* key,
                          size_t bufferSize) override;
    std::vector<std::string> GetSection(const std::string& path, const char* section) override;
    bool WriteString(const std::string& path, const char* section, const char* key,
                     const std::string& value) override;
    bool ReadContents(const std::string& path, std::string* contents) override;
    // Writes a temporary file beside the target, flushes it, then renames it over the target.
    bool ReplaceContents(const std::string& path, const std::string& contents) override;
};

} // namespace fw
