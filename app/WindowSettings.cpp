// The window settings kept in the INI file.
#include "app/PlayerDlg.h"

#include "playlist/IniKeys.h"
#include "res/resource.h"

#include <string>

BOOL CPlayerDlg::LoadWindowSettings(int* pX, int* pY, int* pTopmost, int* pAutoShrink) {
    *pX = m_iniFile.GetInt(m_strIniPath, ini::kSection, ini::kPosX);
    *pY = m_iniFile.GetInt(m_strIniPath, ini::kSection, ini::kPosY);
    *pTopmost = m_iniFile.GetInt(m_strIniPath, ini::kSection, ini::kTopmost);
    *pAutoShrink = m_iniFile.GetInt(m_strIniPath, ini::kSection, ini::kAutoShrink);
    return TRUE;
}

BOOL CPlayerDlg::SaveWindowSettings() {
    RECT rect{};
    ::GetWindowRect(m_hWnd, &rect);
    auto write = [this](const char* key, int value) {
        m_iniFile.WriteString(m_strIniPath, ini::kSection, key, std::to_string(value));
    };
    write(ini::kPosX, rect.left);
    write(ini::kPosY, rect.top);
    // The stored form of the two options is the menu's check flag (8) itself.
    write(ini::kTopmost, IsMenuChecked(ID_TOPMOST) ? MF_CHECKED : 0);
    write(ini::kAutoShrink, IsMenuChecked(ID_AUTOSHRINK) ? MF_CHECKED : 0);
    return TRUE;
}
