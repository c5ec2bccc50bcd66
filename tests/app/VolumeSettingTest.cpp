// The volume as the INI file keeps it: what a hand edit may have left there is read as a
// volume the player can have, and the next save writes that.
#include "app/WindowSettingsFile.h"
#include "tests/support/IniFileFake.h"

#include <gtest/gtest.h>

namespace {

int VolumeReadFrom(const std::string& line) {
    CIniFileFake ini;
    ini.Rewrite([&](const std::string&) { return "[VIZURE3]\r\nDLGPOSX=7\r\n" + line + "\r\n"; });
    return ReadWindowSettings(ini).nVolume;
}

TEST(VolumeSetting, HandEditsAreReadAsAVolumeThePlayerCanHaveAndSavedAsSuch) {
    EXPECT_EQ(100, VolumeReadFrom("")); // older versions wrote none: full volume
    EXPECT_EQ(40, VolumeReadFrom("VOLUME=40"));
    EXPECT_EQ(100, VolumeReadFrom("VOLUME=leise"));
    EXPECT_EQ(100, VolumeReadFrom("VOLUME=40%"));
    EXPECT_EQ(100, VolumeReadFrom("VOLUME="));
    EXPECT_EQ(100, VolumeReadFrom("VOLUME=250"));
    EXPECT_EQ(100, VolumeReadFrom("VOLUME=99999999999999999999"));
    EXPECT_EQ(0, VolumeReadFrom("VOLUME=-3"));
    EXPECT_EQ(35, VolumeReadFrom("VOLUME=33")); // to the nearest step
    EXPECT_EQ(65, VolumeReadFrom("VOLUME= +63 "));

    CIniFileFake ini;
    ini.Rewrite([](const std::string&) { return "[VIZURE3]\r\nVOLUME=leise\r\nDLGMTOP=8\r\n"; });
    CWindowSettings settings = ReadWindowSettings(ini);
    settings.nVolume = StepVolume(settings.nVolume, -3);
    ASSERT_TRUE(WriteWindowSettings(ini, settings));
    // The key keeps its place; the others join the end of the section.
    EXPECT_EQ("[VIZURE3]\r\nVOLUME=85\r\nDLGMTOP=8\r\nDLGPOSX=0\r\nDLGPOSY=0\r\nDLGMMIN=0\r\n",
              ini.Text());
}

TEST(VolumeSetting, StepsStayWithinSilenceAndFullVolume) {
    EXPECT_EQ(100, StepVolume(100, 1));
    EXPECT_EQ(0, StepVolume(5, -4));
    EXPECT_EQ(55, StepVolume(50, 1));
}

} // namespace
