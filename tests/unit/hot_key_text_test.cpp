#include "settings/hot_key_text.h"

#include <gtest/gtest.h>

#include "settings/grab_settings.h"

namespace {

GrabSettings WithKey(int32_t key, bool alt, bool ctrl, bool shift, bool win) {
    GrabSettings s(true);
    s.Properties.HotKey = key;
    s.Properties.UseAlt = alt;
    s.Properties.UseCtrl = ctrl;
    s.Properties.UseShift = shift;
    s.Properties.UseWin = win;
    return s;
}

}  // namespace

TEST(HotKeyText, Combinations) {
    const struct {
        int32_t key;
        bool alt, ctrl, shift, win;
        const char* text;
    } cases[] = {
        {121, false, false, false, true, "Win+F10"},
        {116, true, true, false, false, "Alt+Ctrl+F5"},
        {44, false, false, false, false, "PrtScrn"},
        {112, false, false, true, false, "Shift+F1"},
        {123, false, true, false, false, "Ctrl+F12"},
        {44, true, true, true, true, "Alt+Ctrl+Shift+Win+PrtScrn"},
        {0, true, false, false, true, "None specified"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HotKeyText(WithKey(c.key, c.alt, c.ctrl, c.shift, c.win)), c.text) << c.text;
    }
    EXPECT_LE(HotKeyText(WithKey(44, true, true, true, true)).size(), 31u);
}

TEST(HotKeyText, DefaultsShowWinF10OnceLoaded) {
    GrabSettings s(true);
    s.Properties.HotKey = HotKeyFromIniForm(s.Properties.HotKey);
    EXPECT_EQ(s.Properties.HotKey, 121);
    EXPECT_EQ(HotKeyText(s), "Win+F10");
}

TEST(HotKeyText, IniFormConversions) {
    EXPECT_EQ(HotKeyFromIniForm(44), 44);
    EXPECT_EQ(HotKeyFromIniForm(10), 121);
    EXPECT_EQ(HotKeyFromIniForm(1), 112);
    EXPECT_EQ(HotKeyFromIniForm(0), 111);
    EXPECT_EQ(HotKeyToIniForm(44), 44);
    EXPECT_EQ(HotKeyToIniForm(121), 10);
    EXPECT_EQ(HotKeyToIniForm(0), -111);
}

TEST(HotKeyText, ModifierMask) {
    EXPECT_EQ(HotKeyModifiers(WithKey(121, false, false, false, true)), 8u);
    EXPECT_EQ(HotKeyModifiers(WithKey(121, true, true, true, true)), 15u);
    EXPECT_EQ(HotKeyModifiers(WithKey(121, true, false, true, false)), 5u);
    EXPECT_EQ(HotKeyModifiers(WithKey(121, false, false, false, false)), 0u);
}
