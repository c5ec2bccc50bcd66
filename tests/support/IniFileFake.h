// An in-memory INI store that reads and writes as the private-profile functions do: keys and
// sections match without regard to case, values are trimmed of blanks and lose one pair of
// surrounding quotes on reading, a write replaces a key in place or appends it to its section.
// Files are texts kept by path.
#pragma once

#include "framework/IniFile.h"

#include <map>
#include <string>

class CIniFileFake final : public fw::IIniFile {
public:
    int GetInt(const std::string& path, const char* section, const char* key) override;
    std::string GetString(const std::string& path, const char* section, const char* key,
                          size_t bufferSize) override;
    std::vector<std::string> GetSection(const std::string& path, const char* section) override;
    bool WriteString(const std::string& path, const char* section, const char* key,
                     const std::string& value) override;
    bool ReadContents(const std::string& path, std::string* contents) override;
    bool ReplaceContents(const std::string& path, const std::string& contents) override;

    // The file's text; empty when it does not exist.
    std::string Text(const std::string& path) const;
    bool Exists(const std::string& path) const { return m_files.count(path) != 0; }
    void SetText(const std::string& path, const std::string& text) { m_files[path] = text; }
    void Remove(const std::string& path) { m_files.erase(path); }

private:
    std::map<std::string, std::string> m_files;
};
