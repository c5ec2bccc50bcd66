// The file dialog's result buffer taken apart: one path, or a folder and names; a list that
// does not end inside the buffer gives nothing.
#include "editor/OpenFileNames.h"

#include <gtest/gtest.h>

namespace {

using Paths = std::vector<std::u16string>;

// `names` as the dialog writes them (each ends in a zero, an empty name ends the list) into a
// zero-filled buffer of `told` units, with the caller's extra zero unit.
COpenFileNames Parse(const Paths& names, size_t told = 64) {
    std::u16string buffer;
    for (const std::u16string& name : names)
        buffer += name + u'\0';
    buffer = (buffer + u'\0').substr(0, told);
    buffer.resize(told + 1, u'\0');
    return ParseOpenFileNames(buffer.c_str(), told);
}

TEST(OpenFileNames, OnePathAloneOrAFolderWithNames) {
    EXPECT_EQ((Paths{u"C:\\音楽\\表示.mp3"}), Parse({u"C:\\音楽\\表示.mp3"}).paths);
    EXPECT_EQ((Paths{u"C:\\音楽\\a.mp3", u"C:\\音楽\\b.mp3"}),
              Parse({u"C:\\音楽", u"a.mp3", u"b.mp3"}).paths);
    EXPECT_EQ((Paths{u"D:\\a.mp3", u"D:\\b.mp3"}), Parse({u"D:\\", u"a.mp3", u"b.mp3"}).paths);
    EXPECT_TRUE(Parse({}).paths.empty());
}

TEST(OpenFileNames, AListThatDoesNotEndInsideTheBufferGivesNothing) {
    const Paths names = {u"C:\\m", u"first.mp3", u"second.mp3"}; // 27 units with the end
    EXPECT_EQ(2u, Parse(names, 27).paths.size());
    for (size_t told : {26, 20}) { // cut right after a name; inside one, with no zero
        const COpenFileNames cut = Parse(names, told);
        EXPECT_TRUE(cut.bTooLarge && cut.paths.empty()) << told;
    }
}

} // namespace
