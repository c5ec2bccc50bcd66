// The window settings kept in the INI file, and the volume kept with them.
#include "app/PlayerDlg.h"

#include "app/WindowSettingsFile.h"
#include "res/resource.h"

BOOL CPlayerDlg::LoadWindowSettings(int* pX, int* pY, int* pTopmost, int* pAutoShrink) {
    const CWindowSettings settings = ReadWindowSettings(*m_pIniFile);
    *pX = settings.nPosX;
    *pY = settings.nPosY;
    *pTopmost = settings.nTopmost;
    *pAutoShrink = settings.nAutoShrink;
    return TRUE;
}

BOOL CPlayerDlg::SaveWindowSettings() {
    RECT rect{};
    ::GetWindowRect(Hwnd(), &rect);
    CWindowSettings settings;
    settings.nPosX = rect.left;
    settings.nPosY = rect.top;
    // The stored form of the two options is the menu's check flag (8) itself.
    settings.nTopmost = IsMenuChecked(ID_TOPMOST) ? MF_CHECKED : 0;
    settings.nAutoShrink = IsMenuChecked(ID_AUTOSHRINK) ? MF_CHECKED : 0;
    settings.nVolume = m_nVolume;
    WriteWindowSettings(*m_pIniFile, settings);
    return TRUE;
}

void CPlayerDlg::LoadVolume() {
    m_nVolume = ReadWindowSettings(*m_pIniFile).nVolume;
    m_decoder.SetVolume(m_nVolume);
}

void CPlayerDlg::ChangeVolume(int steps) {
    const int volume = StepVolume(m_nVolume, steps);
    m_ticker.ShowVolume(volume); // also at 0 or 100 already: the user sees why nothing changes
    if (volume == m_nVolume) return;
    m_nVolume = volume;
    m_decoder.SetVolume(m_nVolume);
    SaveWindowSettings();
}
