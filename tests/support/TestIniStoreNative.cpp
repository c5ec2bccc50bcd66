#include "tests/support/IniFileFake.h"
#include "tests/support/TestIniStore.h"

#include <map>

struct CTestIniStore::Impl {
    std::map<std::string, CIniFileFake::Contents> files;
};

CTestIniStore::CTestIniStore() : m_impl(std::make_unique<Impl>()) {}
CTestIniStore::~CTestIniStore() = default;
std::unique_ptr<fw::IIniFile> CTestIniStore::Open(const std::string& path) {
    return std::make_unique<CIniFileFake>(m_impl->files[path]);
}
std::string CTestIniStore::PathOf(const std::string& name) const {
    return "C:\\store\\" + name;
}
std::string CTestIniStore::ReadText(const std::string& path) const {
    const auto it = m_impl->files.find(path);
    return it == m_impl->files.end() ? std::string() : it->second.text;
}
void CTestIniStore::WriteText(const std::string& path, const std::string& text) {
    m_impl->files[path] = {true, text};
}
bool CTestIniStore::Exists(const std::string& path) const {
    const auto it = m_impl->files.find(path);
    return it != m_impl->files.end() && it->second.exists;
}
