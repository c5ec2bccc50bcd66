// The fresh library that each DLL test starts with: prepared, its notifications recorded; and
// left as the player leaves it at exit: stopped, closed and freed.
#ifndef TESTS_VBMP3_PLAYBACK_SUPPORT_DLLFIXTURE_H
#define TESTS_VBMP3_PLAYBACK_SUPPORT_DLLFIXTURE_H

#include <gtest/gtest.h>

#include <windows.h>

#include "tests/vbmp3/playback/support/NotificationLog.h"
#include "vbmp3/vbmp3.h"

namespace vbmp3test {

class DllFixture : public ::testing::Test {
protected:
    void SetUp() override {
        NotificationLog::Clear();
        ASSERT_TRUE(vbmp3_init());
        vbmp3_callback(&NotificationLog::Record);
    }
    void TearDown() override {
        vbmp3_stop();
        vbmp3_close();
        EXPECT_TRUE(vbmp3_free());
        NotificationLog::SetAction(nullptr);
        ::SetEnvironmentVariableA("VBMP3_CAPTURE_WAV", nullptr);
    }
};

} // namespace vbmp3test

#endif
