// The timer's rule for the automatic shrink, with the clock given.
#include "mainwnd/IdleRule.h"

#include <gtest/gtest.h>

namespace {

using mainwnd::ShouldShrinkByTimer;

TEST(IdleRule, NeedsMoreThan180IdleSeconds) {
    const time_t last = 1000000;
    EXPECT_FALSE(ShouldShrinkByTimer(last, last, false, true));
    EXPECT_FALSE(ShouldShrinkByTimer(last + 180, last, false, true));
    EXPECT_TRUE(ShouldShrinkByTimer(last + 181, last, false, true));
    EXPECT_TRUE(ShouldShrinkByTimer(last + 100000, last, false, true));
}

TEST(IdleRule, NeverWithTheOptionOffOrWhenShrunkAlready) {
    const time_t last = 1000000;
    EXPECT_FALSE(ShouldShrinkByTimer(last + 100000, last, false, false));
    EXPECT_FALSE(ShouldShrinkByTimer(last + 100000, last, true, true));
}

TEST(IdleRule, AClockThatWentBackDoesNotShrink) {
    EXPECT_FALSE(ShouldShrinkByTimer(1000, 5000, false, true));
}

} // namespace
