// The INI files that platform-free tests run against: in-memory fakes natively, and files in a
// fresh temporary folder read by the system's private-profile functions under Wine, so the same
// tests check our code natively and cross-check it against the real functions.
#pragma once

#include "framework/IniFile.h"

#include <memory>
#include <string>

class CTestIniStore {
public:
    CTestIniStore();
    ~CTestIniStore();

    // The INI file at `path`, bound to it; the store outlives it.
    std::unique_ptr<fw::IIniFile> Open(const std::string& path);
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
