#include "settings/hot_key_text.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "settings/grab_settings.h"

TEST(HotKeyText, TextAndModifierMask) {
    // The key, Alt, Ctrl, Shift and Win, the text and the modifier mask.
    const std::tuple<int32_t, bool, bool, bool, bool, const char*, uint32_t> cases[] = {
        {121, false, false, false, true, "Win+F10", 8},
        {116, true, true, false, false, "Alt+Ctrl+F5", 3},
        {44, false, false, false, false, "PrtScrn", 0},
        {123, true, false, true, false, "Alt+Shift+F12", 5},
        {0, true, false, false, true, "None specified", 9},
        {INT32_MIN, false, false, false, false, "F-2147483759", 0},  // a hand-edited key
    };
    for (const auto& [key, alt, ctrl, shift, win, text, modifiers] : cases) {
        GrabSettings s(true);
        std::tie(s.Properties.HotKey, s.Properties.UseAlt, s.Properties.UseCtrl,
                 s.Properties.UseShift, s.Properties.UseWin) = std::tie(key, alt, ctrl, shift, win);
        EXPECT_EQ(HotKeyText(s), text);
        EXPECT_EQ(HotKeyModifiers(s), modifiers) << text;
    }
}

TEST(HotKeyText, IniFormBothWays) {
    // Print Screen keeps its code; a function key is stored as its number.
    // Hand-edited values at the ends of the range wrap as the 32-bit target
    // does, so Save writes back what Load read.
    const int32_t kMax = INT32_MAX, kMin = INT32_MIN;
    const std::pair<int32_t, int32_t> storedAndKey[] = {
        {44, 44},  {10, 121},          {0, 111},           {1, 112},           {12, 123},
        {-5, 106}, {kMax, kMin + 110}, {kMax - 111, kMax}, {kMax - 110, kMin}, {kMin, kMin + 111},
    };
    for (const auto& [stored, key] : storedAndKey) {
        EXPECT_EQ(HotKeyFromIniForm(stored), key) << stored;
        EXPECT_EQ(HotKeyToIniForm(key), stored) << stored;
    }
}
