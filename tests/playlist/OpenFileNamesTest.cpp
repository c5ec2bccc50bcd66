// The file dialog's result buffer taken apart: the two forms of a selection, and the two forms
// of one that did not fit.
#include "playlist/OpenFileNames.h"

#include <gtest/gtest.h>

namespace {

using Paths = std::vector<std::u16string>;

// A buffer of `told` units as the dialog leaves it (zero-filled before), plus the extra zero.
std::u16string Buffer(const std::u16string& filled, size_t told) {
    std::u16string buffer = filled.substr(0, told);
    buffer.resize(told + 1, u'\0');
    return buffer;
}

// Names as the dialog writes them: each ends in a zero, and an empty name ends the list.
std::u16string List(const Paths& names) {
    std::u16string list;
    for (const std::u16string& name : names)
        list += name + u'\0';
    return list + u'\0';
}

COpenFileNames Parse(const std::u16string& filled, size_t told = 64) {
    return ParseOpenFileNames(Buffer(filled, told).c_str(), told);
}

TEST(OpenFileNames, OnePathAloneOrAFolderWithNames) {
    EXPECT_EQ((Paths{u"C:\\音楽\\表示.mp3"}), Parse(List({u"C:\\音楽\\表示.mp3"})).paths);
    EXPECT_EQ((Paths{u"C:\\音楽\\a.mp3", u"C:\\音楽\\b.mp3"}),
              Parse(List({u"C:\\音楽", u"a.mp3", u"b.mp3"})).paths);
    // A drive's root folder ends in its backslash already.
    EXPECT_EQ((Paths{u"D:\\a.mp3", u"D:\\b.mp3"}),
              Parse(List({u"D:\\", u"a.mp3", u"b.mp3"})).paths);
    EXPECT_TRUE(Parse(u"").paths.empty());
    EXPECT_FALSE(Parse(u"").bTooLarge);
}

TEST(OpenFileNames, AListThatDoesNotEndInsideTheBufferIsTooLargeAndGivesNothing) {
    const std::u16string list = List({u"C:\\m", u"first.mp3", u"second.mp3"}); // 27 units
    ASSERT_EQ(2u, Parse(list, 27).paths.size()); // the list's final zero just fits
    // Cut in the middle of a name, with no zero inside the buffer (Wine's form).
    const COpenFileNames cut = Parse(list, 20);
    EXPECT_TRUE(cut.bTooLarge);
    EXPECT_TRUE(cut.paths.empty());
    // Cut right after a name: its zero fits, the list's final zero does not.
    EXPECT_TRUE(Parse(list, 26).bTooLarge);
    // One path filling the whole buffer.
    EXPECT_TRUE(Parse(List({u"C:\\a-very-long-name.mp3"}), 10).bTooLarge);
}

} // namespace
