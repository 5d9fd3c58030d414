#include "settings/ini_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(IniFileState, LongTextsAreCutToTheirFieldsNeverOverflowed) {
    IniFile ini{};
    ini.OpenIn(("C:\\" + std::string(400, 'd')).c_str(), "Pixelnook.ini");
    EXPECT_EQ(strlen(ini.Directory), sizeof ini.Directory - 1);
    EXPECT_EQ(strlen(ini.Path), sizeof ini.Path - 1);
}
