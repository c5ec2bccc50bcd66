// A fresh folder under the system's temporary folder, removed with everything in it when the
// object goes.
#pragma once

#include <string>

class CTempFolder {
public:
    // `name` may hold Japanese characters (code page 932); a unique suffix is appended.
    explicit CTempFolder(const std::string& name = "vz3test");
    ~CTempFolder();
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    const std::string& Path() const { return m_path; }
    // Path() + "\\" + name.
    std::string operator/(const std::string& name) const { return m_path + "\\" + name; }

private:
    std::string m_path;
};

// Whole-file helpers for tests.
std::string ReadFileBytes(const std::string& path);
bool WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
