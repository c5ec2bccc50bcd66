#include "framework/IniFileWin32.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestIniStore.h"

struct CTestIniStore::Impl {
    CTempFolder folder{"vz3ini"};
    fw::CIniFileWin32 file;
};

CTestIniStore::CTestIniStore() : m_impl(std::make_unique<Impl>()) {}
CTestIniStore::~CTestIniStore() = default;
fw::IIniFile& CTestIniStore::File() {
    return m_impl->file;
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
