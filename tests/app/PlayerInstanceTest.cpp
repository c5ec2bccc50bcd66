// One player per INI file: the name its start-ups meet under is the same for every spelling of
// the INI file's path and differs for every other file.
#include "app/PlayerInstance.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

std::string ShortPath(const std::string& path) {
    char buffer[MAX_PATH] = {};
    const DWORD n = ::GetShortPathNameA(path.c_str(), buffer, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::string(buffer, n) : path;
}

TEST(PlayerInstance, OneNameForEverySpellingOfOneIniFile) {
    CTempFolder folder("vz3 long folder name");
    CTempFolder other("vz3 long folder name");
    const std::string ini = folder / "VizuRE3.INI"; // no file yet: the first start
    const std::wstring name = PlayerInstanceName(ini);

    std::string upper = ini;
    ::CharUpperBuffA(&upper[0], static_cast<DWORD>(upper.size()));
    const std::string shortFolder = ShortPath(folder.Path());
    ASSERT_NE(folder.Path(), shortFolder); // the system gives long names a short one
    EXPECT_EQ(name, PlayerInstanceName(upper));
    EXPECT_EQ(name, PlayerInstanceName(shortFolder + "\\VizuRE3.INI"));
    EXPECT_EQ(name, PlayerInstanceName(folder / "sub\\..\\vizure3.ini"));
    ASSERT_TRUE(WriteFileBytes(ini, "[VIZURE3]\r\n"));
    EXPECT_EQ(name, PlayerInstanceName(ShortPath(ini))); // the file's own short name too

    EXPECT_NE(name, PlayerInstanceName(folder / "Player.INI")); // another name, same folder
    EXPECT_NE(name, PlayerInstanceName(other / "VizuRE3.INI")); // another folder
}

} // namespace
