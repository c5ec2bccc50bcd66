#include "tests/support/PlayerDlgFixture.h"

#include "res/resource.h"

time_t PlayerDlgTest::s_now = 1000000;

PlayerDlgTest::PlayerDlgTest() : iniPath(folder / "VizuRE3.INI") {}

PlayerDlgTest::~PlayerDlgTest() = default;

std::unique_ptr<CPlayerDlg> PlayerDlgTest::MakeDlg() {
    CPlayerEnvironment env;
    env.pDecoder = &decoder;
    env.pIniFile = &iniFile;
    env.pfnNow = [] { return s_now; };
    auto dlg = std::make_unique<CPlayerDlg>(nullptr, env);
    dlg->m_strIniPath = iniPath;
    return dlg;
}

std::unique_ptr<CPlayerDlg> PlayerDlgTest::OpenDlg() {
    auto dlg = MakeDlg();
    EXPECT_TRUE(dlg->Create(IDD_PLAYER, nullptr));
    return dlg;
}

void PlayerDlgTest::WriteIni(const std::string& text) {
    ASSERT_TRUE(WriteFileBytes(iniPath, text));
}

std::string PlayerDlgTest::IniValue(const char* key) const {
    char buffer[256];
    ::GetPrivateProfileStringA("VIZURE3", key, "<missing>", buffer, sizeof buffer, iniPath.c_str());
    return buffer;
}

bool PlayerDlgTest::IniExists() const {
    return FileExists(iniPath);
}

bool PlayerDlgTest::IsChecked(const CPlayerDlg& dlg, UINT id) const {
    return (::GetMenuState(dlg.m_pPopupMenu, id, MF_BYCOMMAND) & MF_CHECKED) != 0;
}
