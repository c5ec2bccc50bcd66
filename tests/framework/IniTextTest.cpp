// Setting keys in the text of an INI file: the settings' keys change, nothing else does.
#include "framework/IniText.h"

#include <gtest/gtest.h>

namespace {

const std::vector<std::pair<std::string, std::string>> kSettings = {
    {"DLGPOSX", "-5"}, {"DLGPOSY", "7"}, {"DLGMTOP", "8"}, {"DLGMMIN", "0"}};

TEST(IniText, KeysKeepTheirPlaceAndMissingOnesEndTheSection) {
    const std::string before = "; kept\n"
                               "[Other]\r\nDLGPOSX=1\r\n"
                               "[vizure3]\r\nREGNUM=1\r\n dlgposy = 3\r\nFILENAME0000=C:\\表.mp3\n"
                               "DLGPOSY=dup\r\n\r\n"
                               "[Last]\r\nx=y";
    const std::string after = "; kept\n"
                              "[Other]\r\nDLGPOSX=1\r\n"
                              "[vizure3]\r\nREGNUM=1\r\nDLGPOSY=7\r\nFILENAME0000=C:\\表.mp3\n"
                              "DLGPOSY=dup\r\nDLGPOSX=-5\r\nDLGMTOP=8\r\nDLGMMIN=0\r\n\r\n"
                              "[Last]\r\nx=y";
    EXPECT_EQ(after, fw::SetIniKeys(before, "VIZURE3", kSettings));
}

TEST(IniText, AMissingSectionOrFileIsAdded) {
    EXPECT_EQ("[VIZURE3]\r\nDLGPOSX=-5\r\nDLGPOSY=7\r\nDLGMTOP=8\r\nDLGMMIN=0\r\n",
              fw::SetIniKeys("", "VIZURE3", kSettings));
    EXPECT_EQ("[A]\r\nk=v\r\n[VIZURE3]\r\nDLGPOSX=-5\r\nDLGPOSY=7\r\nDLGMTOP=8\r\nDLGMMIN=0\r\n",
              fw::SetIniKeys("[A]\r\nk=v", "VIZURE3", kSettings));
    EXPECT_EQ("[VIZURE3]\r\nDLGPOSX=-5\r\nDLGPOSY=7\r\nDLGMTOP=8\r\nDLGMMIN=0\r\n",
              fw::SetIniKeys("[VIZURE3]", "VIZURE3", kSettings));
}

} // namespace
