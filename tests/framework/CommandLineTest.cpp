// Splitting the command line that "Open with" and drops on the program's icon produce.
#include "framework/CommandLine.h"

#include <gtest/gtest.h>

namespace {

using Args = std::vector<std::string>;

TEST(CommandLine, SplitsOnBlanksOutsideQuotes) {
    EXPECT_EQ(Args(), SplitCommandLine(""));
    EXPECT_EQ(Args(), SplitCommandLine("   \t "));
    EXPECT_EQ((Args{"a.mp3", "b.mp3"}), SplitCommandLine("a.mp3  b.mp3"));
    EXPECT_EQ((Args{"C:\\My Music\\a b.mp3", "c.mp3"}),
              SplitCommandLine("\"C:\\My Music\\a b.mp3\" c.mp3"));
}

TEST(CommandLine, BackslashesEscapeOnlyBeforeQuotes) {
    EXPECT_EQ((Args{"C:\\dir\\x.mp3"}), SplitCommandLine("C:\\dir\\x.mp3"));
    EXPECT_EQ((Args{"a\"b"}), SplitCommandLine("a\\\"b"));
    EXPECT_EQ((Args{"C:\\dir\\"}), SplitCommandLine("\"C:\\dir\\\\\""));
}

TEST(CommandLine, DoubleByteCharactersEndingIn5CAreNotEscapes) {
    // 表 is 95 5C: its second byte before the closing quote must not escape it.
    EXPECT_EQ((Args{"C:\\表", "next.mp3"}), SplitCommandLine("\"C:\\表\" next.mp3"));
    EXPECT_EQ((Args{"D:\\音楽\\ソ.mp3"}), SplitCommandLine("\"D:\\音楽\\ソ.mp3\""));
}

} // namespace
