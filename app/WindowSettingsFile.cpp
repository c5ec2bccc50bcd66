#include "app/WindowSettingsFile.h"

#include "framework/IniText.h"
#include "playlist/IniKeys.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace {

// A whole number in decimal, with a sign and blanks around it at most; nothing else.
bool ParseWholeNumber(const std::string& text, long long* pValue) {
    size_t pos = text.find_first_not_of(" \t");
    const size_t end = text.find_last_not_of(" \t") + 1;
    if (pos == std::string::npos) return false;
    const bool negative = text[pos] == '-';
    if (text[pos] == '-' || text[pos] == '+') ++pos;
    if (pos == end) return false;
    long long value = 0;
    for (; pos < end; ++pos) {
        if (!std::isdigit(static_cast<unsigned char>(text[pos]))) return false;
        // Beyond any volume: where it stops growing does not matter.
        value = std::min(value * 10 + (text[pos] - '0'), 1000000LL);
    }
    *pValue = negative ? -value : value;
    return true;
}

int ReadVolume(fw::IIniFile& file) {
    long long value = 0;
    if (!ParseWholeNumber(file.GetString(ini::kSection, ini::kVolume, 32), &value))
        return kFullVolume;
    const long long within = std::clamp<long long>(value, 0, kFullVolume);
    return static_cast<int>((within + kVolumeStep / 2) / kVolumeStep * kVolumeStep);
}

} // namespace

int StepVolume(int volume, int steps) {
    return std::clamp(volume + steps * kVolumeStep, 0, kFullVolume);
}

CWindowSettings ReadWindowSettings(fw::IIniFile& file) {
    CWindowSettings settings;
    settings.nPosX = file.GetInt(ini::kSection, ini::kPosX);
    settings.nPosY = file.GetInt(ini::kSection, ini::kPosY);
    settings.nTopmost = file.GetInt(ini::kSection, ini::kTopmost);
    settings.nAutoShrink = file.GetInt(ini::kSection, ini::kAutoShrink);
    settings.nVolume = ReadVolume(file);
    return settings;
}

bool WriteWindowSettings(fw::IIniFile& file, const CWindowSettings& settings) {
    const fw::IniKeyValues keys = {
        {ini::kPosX, std::to_string(settings.nPosX)},
        {ini::kPosY, std::to_string(settings.nPosY)},
        {ini::kTopmost, std::to_string(settings.nTopmost)},
        {ini::kAutoShrink, std::to_string(settings.nAutoShrink)},
        {ini::kVolume, std::to_string(settings.nVolume)},
    };
    return file.Rewrite(
        [&keys](const std::string& text) { return fw::SetIniKeys(text, ini::kSection, keys); });
}
