#include "app/WindowSettingsFile.h"

#include "framework/IniText.h"
#include "playlist/IniKeys.h"

#include <utility>
#include <vector>

bool WriteWindowSettings(fw::IIniFile& file, const std::string& path,
                         const CWindowSettings& settings) {
    const std::vector<std::pair<std::string, std::string>> keys = {
        {ini::kPosX, std::to_string(settings.nPosX)},
        {ini::kPosY, std::to_string(settings.nPosY)},
        {ini::kTopmost, std::to_string(settings.nTopmost)},
        {ini::kAutoShrink, std::to_string(settings.nAutoShrink)},
    };
    std::string text;
    if (!file.ReadContents(path, &text)) return false;
    // A file saved as UTF-16 by hand is edited by the profile functions, which know that form.
    if (text.size() >= 2 &&
        ((text[0] == '\xFF' && text[1] == '\xFE') || (text[0] == '\xFE' && text[1] == '\xFF'))) {
        bool ok = true;
        for (const auto& [key, value] : keys)
            ok = file.WriteString(path, ini::kSection, key.c_str(), value) && ok;
        return ok;
    }
    return file.ReplaceContents(path, fw::SetIniKeys(text, ini::kSection, keys));
}
