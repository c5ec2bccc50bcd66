// Fitting texts into the record's 128-byte fields.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "vbmp3/core/FieldText.h"

namespace {

constexpr std::size_t kField = 128;

struct Fitted {
    char bytes[kField + 4];
};

Fitted Fit(const std::string& text) {
    Fitted f;
    std::memset(f.bytes, 'X', sizeof f.bytes);
    vbmp3::FitTextToField(text, f.bytes, kField);
    return f;
}

TEST(FieldText, CutsAtACharacterBoundaryAndAlwaysTerminates) {
    const std::string fits = std::string(125, 'a') + "日本"; // 125 + 2 fits, the next does not
    const Fitted f = Fit(fits);
    EXPECT_EQ(std::string(f.bytes), std::string(125, 'a') + "日");
    EXPECT_EQ(f.bytes[127], 0);
    EXPECT_EQ(f.bytes[kField], 'X'); // nothing written past the field

    const std::string exact(127, 'b');
    EXPECT_EQ(std::string(Fit(exact).bytes), exact);
    EXPECT_EQ(std::string(Fit(exact + "c").bytes), exact);
    EXPECT_EQ(std::string(Fit(std::string(126, 'a') + "表").bytes), std::string(126, 'a'));
}

TEST(FieldText, ControlCodesBecomeSpacesSoTheTextStaysOneLine) {
    EXPECT_STREQ(Fit("Line one\r\nLine two\tend\x1B\x7F!").bytes, "Line one  Line two end  !");
    // A trail byte is never a control code: 0x5C and 0x7C trails stay as they are.
    EXPECT_STREQ(Fit("表\r示").bytes, "表 示");
}

TEST(FieldText, TrailingPaddingGoesAndTheRestIsZero) {
    const Fitted f = Fit("Title   \r\n");
    EXPECT_STREQ(f.bytes, "Title");
    for (std::size_t i = 5; i < kField; ++i)
        ASSERT_EQ(f.bytes[i], 0) << i;
}

TEST(FieldText, OrphanedLeadByteIsReplaced) {
    EXPECT_STREQ(Fit("ab\x93").bytes, "ab?");
}

} // namespace
