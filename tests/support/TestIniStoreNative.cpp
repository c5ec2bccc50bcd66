#include "tests/support/IniFileFake.h"
#include "tests/support/TestIniStore.h"

struct CTestIniStore::Impl {
    CIniFileFake file;
};

CTestIniStore::CTestIniStore() : m_impl(std::make_unique<Impl>()) {}
CTestIniStore::~CTestIniStore() = default;
fw::IIniFile& CTestIniStore::File() {
    return m_impl->file;
}
std::string CTestIniStore::PathOf(const std::string& name) const {
    return "C:\\store\\" + name;
}
std::string CTestIniStore::ReadText(const std::string& path) const {
    return m_impl->file.Text(path);
}
void CTestIniStore::WriteText(const std::string& path, const std::string& text) {
    m_impl->file.SetText(path, text);
}
bool CTestIniStore::Exists(const std::string& path) const {
    return m_impl->file.Exists(path);
}
