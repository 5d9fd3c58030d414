#include "settings/ini_conversions.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>
#include <utility>
#include <vector>

TEST(IniConversions, BoolIsSetOnlyByExactlyOne) {
    const std::pair<int32_t, bool> cases[] = {{1, true},   {0, false},  {2, false},
                                              {-1, false}, {11, false}, {257, false}};
    for (const auto& [stored, value] : cases) {
        EXPECT_EQ(BoolFromIni(stored), value) << stored;
    }
    EXPECT_STREQ(BoolToIni(true), "1");
    EXPECT_STREQ(BoolToIni(false), "0");
}

TEST(IniConversions, FloatWithoutNumberKeepsTheField) {
    const float inf = std::numeric_limits<float>::infinity();  // out of range, not undefined
    // The stored text, the field before and after.
    const std::tuple<const char*, float, float> cases[] = {
        {nullptr, 6.0f, 6.0f},  {"", 1.5f, 1.5f},     {"abc", 7.5f, 7.5f},  {"-", 1.5f, 1.5f},
        {"2.5", 0.0f, 2.5f},    {" 2.5", 0.0f, 2.5f}, {"3xyz", 0.0f, 3.0f}, {"-1", 4.0f, -1.0f},
        {"1e+006", 0.0f, 1e6f}, {"1e999", 0.0f, inf},
    };
    for (const auto& [text, current, value] : cases) {
        EXPECT_EQ(FloatFromIni(text, current), value) << (text ? text : "null");
    }
}

TEST(IniConversions, ColorKeepsTheLowByteOfEachChannel) {
    const std::tuple<int32_t, int32_t, int32_t, Colorref> cases[] = {
        {255, 0, 255, 0x00FF00FF}, {300, 0, 0, 44},          {0, 300, 0, 44 << 8},
        {0, 0, 300, 44 << 16},     {-5, 0, 0, 251},          {1, 2, 3, 0x00030201},
        {256, 512, 768, 0},        {-1, -1, -1, 0x00FFFFFF},
    };
    for (const auto& [red, green, blue, color] : cases) {
        EXPECT_EQ(ColorFromIni(red, green, blue), color) << red << " " << green << " " << blue;
    }
}

TEST(IniConversions, DirectoryOfFileFitsItsBufferOrIsEmpty) {
    // The file, the directory buffer's size, whether the directory fits, and it.
    const std::tuple<const char*, size_t, bool, const char*> cases[] = {
        {"C:\\dir\\Pixelnook.ini", 260, true, "C:\\dir\\"},
        {"C:Pixelnook.ini", 260, true, "C:"},
        {"Pixelnook.ini", 260, true, ""},
        {"C:\\dir/sub/x.ini", 260, true, "C:\\dir/sub/"},
        {"C:\\abc\\x", 8, true, "C:\\abc\\"},  // seven characters and the terminator
        {"C:\\abcd\\x", 8, false, ""},
        {"C:\\x", 0, false, ""},  // nothing may be written
    };
    for (const auto& [file, size, whole, expected] : cases) {
        std::vector<char> directory(size + 1, 'x');  // one guard byte
        EXPECT_EQ(DirectoryOfFile(file, directory.data(), size), whole) << file;
        EXPECT_EQ(directory[size], 'x') << "written past the buffer: " << file;
        if (size != 0) {
            EXPECT_STREQ(directory.data(), expected) << file;
        }
    }
}
