// The INI file store that platform-free tests run against: the in-memory fake natively, and the
// system's private-profile functions on files in a fresh temporary folder under Wine, so the
// same tests check our code natively and cross-check it against the real functions.
#pragma once

#include "framework/IniFile.h"

#include <memory>
#include <string>

class CTestIniStore {
public:
    CTestIniStore();
    ~CTestIniStore();

    fw::IIniFile& File();
    // A path for a file named `name` in the store (nothing is created).
    std::string PathOf(const std::string& name) const;
    // The file's bytes; empty when it does not exist.
    std::string ReadText(const std::string& path) const;
    void WriteText(const std::string& path, const std::string& text);
    bool Exists(const std::string& path) const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};
