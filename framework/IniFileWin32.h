// fw::IIniFile on a file: keys read by the system's private-profile functions (ANSI, code page
// 932), which know both encodings a user may save the file in; rewrites through a temporary file
// renamed over the target.
#pragma once

#include "framework/IniFile.h"

#include <string>
#include <utility>

namespace fw {

class CIniFileWin32 final : public IIniFile {
public:
    explicit CIniFileWin32(std::string path) : m_path(std::move(path)) {}

    int GetInt(const char* section, const char* key) override;
    std::string GetString(const char* section, const char* key, size_t bufferSize) override;
    // Writes the new bytes to a temporary file beside the target, flushes it, then renames it
    // over the target.
    bool Rewrite(const Edit& edit) override;

private:
    const std::string m_path;
};

} // namespace fw
