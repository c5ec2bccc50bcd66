#include "playlist/TrackInfo.h"

#include "framework/Sjis.h"

#include <cstdio>

bool ReadTrackInfo(IDecoder& decoder, std::string strFile, CTrackEntry* pEntry) {
    CFileInfo info;
    if (!decoder.GetFileInfo(strFile, &info)) return false;
    pEntry->m_strPath = std::move(strFile);
    pEntry->m_strTitle = info.strTitle;
    pEntry->m_strArtist = info.strArtist;
    pEntry->m_nTotalSec = info.nTotalSec;
    pEntry->m_bInfoRead = 1;
    return true;
}

std::string FileNameText(const std::string& path) {
    const size_t backslash = sjis::FindLastChar(path, '\\');
    return backslash == std::string::npos ? path : path.substr(backslash + 1);
}

std::string TimeText(int totalSec) {
    char text[48];
    std::snprintf(text, sizeof text, "%d'%02d\"%02d", totalSec / 3600, (totalSec % 3600) / 60,
                  totalSec % 60);
    return text;
}
