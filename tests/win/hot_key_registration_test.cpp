#include <windows.h>

#include <gtest/gtest.h>

#include "shell/hot_key_win.h"
#include "settings/grab_settings.h"
#include "settings/hot_key_text.h"

TEST(HotKeyRegistration, RegistersForTheThreadAndRefusesATakenCombination) {
    GrabSettings settings(true);
    settings.Properties.HotKey = HotKeyFromIniForm(settings.Properties.HotKey);  // Win+F10
    ASSERT_TRUE(RegisterGrabHotKey(settings));
    // Id 1 is taken on this thread now; the same combination cannot be had twice.
    EXPECT_FALSE(RegisterGrabHotKey(settings));
    EXPECT_TRUE(UnregisterHotKey(nullptr, 1));

    // A combination another registration holds is refused.
    ASSERT_TRUE(RegisterHotKey(nullptr, 7, MOD_CONTROL | MOD_SHIFT, VK_F7));
    settings.Properties.HotKey = VK_F7;
    settings.Properties.UseWin = false;
    settings.Properties.UseCtrl = settings.Properties.UseShift = true;
    EXPECT_FALSE(RegisterGrabHotKey(settings));
    UnregisterHotKey(nullptr, 7);
    EXPECT_TRUE(RegisterGrabHotKey(settings));
    UnregisterHotKey(nullptr, 1);
}
