// An INI file in memory that reads as the private-profile functions do: keys and sections match
// without regard to case, values are trimmed of blanks and lose one pair of surrounding quotes on
// reading, the first key of the first matching section counts. A rewrite replaces the text.
#pragma once

#include "framework/IniFile.h"

#include <string>

class CIniFileFake final : public fw::IIniFile {
public:
    // What the file holds; several fakes may be bound to one (as several objects may open one
    // file on disk).
    struct Contents {
        bool exists = false;
        std::string text;
    };

    // A file of its own, not there yet.
    CIniFileFake() : m_contents(m_own) {}
    // A file whose contents live elsewhere and outlive this object.
    explicit CIniFileFake(Contents& contents) : m_contents(contents) {}
    CIniFileFake(const CIniFileFake&) = delete;
    CIniFileFake& operator=(const CIniFileFake&) = delete;

    int GetInt(const char* section, const char* key) override;
    std::string GetString(const char* section, const char* key, size_t bufferSize) override;
    bool Rewrite(const Edit& edit) override;

    bool Exists() const { return m_contents.exists; }
    // The file's text; empty when it does not exist.
    const std::string& Text() const { return m_contents.text; }

private:
    Contents m_own;
    Contents& m_contents;
};
