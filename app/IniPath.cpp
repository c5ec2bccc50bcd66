#include "app/IniPath.h"

#include "framework/PathNames.h"

std::string IniPathFor(const std::string& modulePath) {
    const fw::SplitPathParts parts = fw::SplitPath(modulePath);
    return parts.drive + parts.dir + fw::ProfileNameFor(modulePath);
}
