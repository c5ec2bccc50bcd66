// The files of the command line, read as UTF-16 and passed on only when they convert exactly.
#include "app/StartupFiles.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

TEST(StartupFiles, NamesWithoutAnExactFormComeEmpty) {
    const std::vector<std::string> files =
        StartupFiles(L"C:\\P\\VizuRE3.exe \"C:\\m\\café.mp3\" C:\\m\\a¥b.mp3 "
                     L"\"C:\\m\\表 示.mp3\" C:\\m\\..\\n\\x.mp3");
    ASSERT_EQ(4u, files.size());
    EXPECT_EQ("", files[0]); // not "C:\\m\\cafe.mp3"
    EXPECT_EQ("", files[1]); // not "C:\\m\\a\\b.mp3"
    EXPECT_EQ("C:\\m\\表 示.mp3", files[2]);
    EXPECT_EQ("C:\\n\\x.mp3", files[3]); // full paths
}

TEST(StartupFiles, TheProgramAloneNamesNoFile) {
    EXPECT_TRUE(StartupFiles(L"\"C:\\Program Files\\P\\VizuRE3.exe\"").empty());
}

} // namespace
