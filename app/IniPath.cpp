#include "app/IniPath.h"

#include "framework/PathNames.h"

std::string ComposeIniPath(const std::string& helpFilePath, const std::string& profileName) {
    const fw::SplitPathParts parts = fw::SplitPath(helpFilePath);
    return parts.drive + parts.dir + profileName;
}
