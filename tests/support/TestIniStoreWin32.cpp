#include "framework/IniFileWin32.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestIniStore.h"

struct CTestIniStore::Impl {
    CTempFolder folder{"vz3ini"};
};

CTestIniStore::CTestIniStore() : m_impl(std::make_unique<Impl>()) {}
CTestIniStore::~CTestIniStore() = default;
std::unique_ptr<fw::IIniFile> CTestIniStore::Open(const std::string& path) {
    return std::make_unique<fw::CIniFileWin32>(path);
}
std::string CTestIniStore::PathOf(const std::string& name) const {
    return m_impl->folder / name;
}
std::string CTestIniStore::ReadText(const std::string& path) const {
    return ReadFileBytes(path);
}
void CTestIniStore::WriteText(const std::string& path, const std::string& text) {
    WriteFileBytes(path, text);
}
bool CTestIniStore::Exists(const std::string& path) const {
    return FileExists(path);
}
