#include "app/WindowSettingsFile.h"

#include "framework/IniText.h"
#include "playlist/IniKeys.h"

#include <string>

CWindowSettings ReadWindowSettings(fw::IIniFile& file) {
    CWindowSettings settings;
    settings.nPosX = file.GetInt(ini::kSection, ini::kPosX);
    settings.nPosY = file.GetInt(ini::kSection, ini::kPosY);
    settings.nTopmost = file.GetInt(ini::kSection, ini::kTopmost);
    settings.nAutoShrink = file.GetInt(ini::kSection, ini::kAutoShrink);
    return settings;
}

bool WriteWindowSettings(fw::IIniFile& file, const CWindowSettings& settings) {
    const fw::IniKeyValues keys = {
        {ini::kPosX, std::to_string(settings.nPosX)},
        {ini::kPosY, std::to_string(settings.nPosY)},
        {ini::kTopmost, std::to_string(settings.nTopmost)},
        {ini::kAutoShrink, std::to_string(settings.nAutoShrink)},
    };
    return file.Rewrite(
        [&keys](const std::string& text) { return fw::SetIniKeys(text, ini::kSection, keys); });
}
