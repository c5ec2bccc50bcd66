// The file list that a later start hands to the running player: it comes from another process,
// so whatever does not parse exactly is refused.
#include "app/HandOverMessage.h"

#include <gtest/gtest.h>

namespace {

TEST(HandOverMessage, ListsRoundTripAndDamagedDataIsRefused) {
    const std::vector<std::string> files = {"C:\\曲\\表.mp3", "", std::string(300, 'x')};
    const std::string data = handover::EncodeFileList(files);
    std::vector<std::string> got;
    ASSERT_TRUE(handover::DecodeFileList(data.data(), data.size(), &got));
    EXPECT_EQ(files, got);
    const std::string none = handover::EncodeFileList({});
    EXPECT_TRUE(handover::DecodeFileList(none.data(), none.size(), &got));
    EXPECT_TRUE(got.empty());

    got = {"kept"};
    for (size_t cut = 0; cut < data.size(); ++cut) // every truncation, and one byte too many
        EXPECT_FALSE(handover::DecodeFileList(data.data(), cut, &got)) << cut;
    EXPECT_FALSE(handover::DecodeFileList((data + "x").data(), data.size() + 1, &got));
    const std::string huge = std::string("\xFF\xFF\xFF\x7F", 4); // two billion names
    EXPECT_FALSE(handover::DecodeFileList(huge.data(), huge.size(), &got));
    const std::string zero = handover::EncodeFileList({std::string("a\0b", 3)});
    EXPECT_FALSE(handover::DecodeFileList(zero.data(), zero.size(), &got));
    EXPECT_FALSE(handover::DecodeFileList(nullptr, 8, &got));
    EXPECT_EQ(std::vector<std::string>{"kept"}, got);
}

} // namespace
