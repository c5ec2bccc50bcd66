// Where the INI file lies, derived from the module path as the application object does.
#include "app/IniPath.h"
#include "framework/PathNames.h"

#include <gtest/gtest.h>

namespace {

TEST(IniPath, LiesBesideTheExecutableUnderItsName) {
    EXPECT_EQ("C:\\Apps\\VizuRE3.INI", IniPathFor("C:\\Apps\\VizuRE3.exe"));
    EXPECT_EQ("D:\\Music\\Player.INI", IniPathFor("D:\\Music\\Player.exe"));
    EXPECT_EQ("C:\\a.b\\my.player.INI", IniPathFor("C:\\a.b\\my.player.EXE"));
}

TEST(IniPath, NetworkPathKeepsItsFolder) {
    EXPECT_EQ("\\\\server\\share\\tools\\Player.INI",
              IniPathFor("\\\\server\\share\\tools\\Player.exe"));
}

TEST(IniPath, JapaneseFoldersWhoseCharactersEndIn5CStayWhole) {
    // The second bytes of 表 (95 5C) and ソ (83 5C) are backslashes.
    EXPECT_EQ("C:\\音楽\\表\\ソ.INI", IniPathFor("C:\\音楽\\表\\ソ.exe"));
    EXPECT_EQ("C:\\表示\\プレーヤー.INI", IniPathFor("C:\\表示\\プレーヤー.exe"));
}

TEST(IniPath, AProgramWithoutAnExtensionInAFolderWithADotStaysInItsFolder) {
    EXPECT_EQ("C:\\a.b\\noext.INI", IniPathFor("C:\\a.b\\noext"));
}

TEST(SplitPath, SeparatesDriveFolderNameAndExtension) {
    const fw::SplitPathParts p = fw::SplitPath("C:\\dir\\sub\\name.tar.gz");
    EXPECT_EQ("C:", p.drive);
    EXPECT_EQ("\\dir\\sub\\", p.dir);
    EXPECT_EQ("name.tar", p.fname);
    EXPECT_EQ(".gz", p.ext);

    const fw::SplitPathParts bare = fw::SplitPath("name");
    EXPECT_EQ("", bare.drive);
    EXPECT_EQ("", bare.dir);
    EXPECT_EQ("name", bare.fname);
    EXPECT_EQ("", bare.ext);

    EXPECT_EQ("C:/x/", fw::SplitPath("C:/x/y.z").drive + fw::SplitPath("C:/x/y.z").dir);
}

} // namespace
