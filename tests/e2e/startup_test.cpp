// Starting and ending Pixelnook as a user would: on each Windows version, as a
// second copy, with its hot key taken by another program, and with a hot key
// of the user's own choosing in "Pixelnook.ini".
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "resources/texts.h"
#include "tests/support/pixelnook_driver.h"

using namespace e2e;

namespace {

// Quiet start: no introduction dialog, no settings dialog.
const char kQuietIni[] = "[Properties]\r\nFirstTime=0\r\nSettingsOnStart=0\r\n";

}  // namespace

TEST(StartUp, RunsHiddenOnWindows98ToXpAndRefusesOtherSystems) {
    const struct {
        const char* version;
        bool runs;
    } cases[] = {{"winxp", true},    {"win2k", true}, {"winme", true},
                 {"win98", true},    {"win7", false}, {"vista", false},
                 {"win2003", false}, {"nt40", false}, {"win95", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.version);
        AppDefault reported("", "Version", c.version);
        ScratchDir dir;
        PixelnookProcess pixelnook;
        ASSERT_TRUE(pixelnook.Start(dir, kQuietIni));
        DWORD exitCode = 99;
        if (c.runs) {
            HWND window = pixelnook.WaitForMainWindow();
            ASSERT_NE(window, nullptr);
            // Start-up conceals the window right after creating it.
            EXPECT_TRUE(WaitUntil([&] {
                RECT rect = {};
                GetWindowRect(window, &rect);
                return rect.right == rect.left && rect.bottom == rect.top &&
                       !IsWindowVisible(window);
            }));
            ASSERT_TRUE(pixelnook.Close(&exitCode));
            EXPECT_EQ(exitCode, 0u);
        } else {
            HWND box = pixelnook.WaitFor("#32770", TEXT_OS_ERROR_CAPTION);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(MessageBoxText(box), TEXT_OS_ERROR);
            EXPECT_EQ(pixelnook.Find("PixelnookClass"), nullptr);
            PostMessageA(box, WM_COMMAND, IDOK, 0);  // the OK button
            ASSERT_TRUE(pixelnook.WaitForExit(&exitCode));
            EXPECT_EQ(exitCode, 1u);
        }
    }
}

TEST(StartUp, SecondCopyExitsAndFirstKeepsRunning) {
    ScratchDir dir;
    PixelnookProcess first, second;
    ASSERT_TRUE(first.Start(dir, kQuietIni));
    ASSERT_NE(first.WaitForMainWindow(), nullptr);
    ASSERT_TRUE(second.Start(dir));
    DWORD exitCode = 99;
    ASSERT_TRUE(second.WaitForExit(&exitCode));
    EXPECT_EQ(exitCode, 1u);
    EXPECT_TRUE(first.IsRunning());
}

TEST(StartUp, WarnsWhenTheHotKeyIsTakenAndKeepsRunning) {
    // This test process plays the other program that holds Win+F10.
    ASSERT_TRUE(RegisterHotKey(nullptr, 1, MOD_WIN, VK_F10));
    ScratchDir dir;
    PixelnookProcess pixelnook;
    ASSERT_TRUE(pixelnook.Start(dir, kQuietIni));
    HWND box = pixelnook.WaitFor("#32770", TEXT_HOTKEY_ERROR_CAPTION);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), TEXT_HOTKEY_ERROR);
    PostMessageA(box, WM_COMMAND, IDOK, 0);  // the OK button
    HWND window = pixelnook.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(WaitUntil([&] {
        return WindowText(window) == TEXT_NO_HOTKEY_STATUS TEXT_TITLE_SUFFIX;
    })) << WindowText(window);
    UnregisterHotKey(nullptr, 1);
    EXPECT_TRUE(pixelnook.IsRunning());
}

TEST(SettingsFileAtStartUp, TheHotKeyChosenInTheFileIsTheOneShownAndHeld) {
    ScratchDir dir;
    PixelnookProcess pixelnook;
    ASSERT_TRUE(pixelnook.Start(
        dir, std::string(kQuietIni) + "HotKey=7\r\nUseCtrl=1\r\nUseShift=1\r\nUseWin=0\r\n"));
    HWND window = pixelnook.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(WaitUntil([&] {
        return WindowText(window) ==
               "Use Ctrl+Shift+F7 to take a Window screen grab" TEXT_TITLE_SUFFIX;
    })) << WindowText(window);
    // Pixelnook holds it while it runs, and lets it go when closed.
    EXPECT_FALSE(RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_SHIFT, VK_F7));
    DWORD exitCode = 99;
    ASSERT_TRUE(pixelnook.Close(&exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_TRUE(RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_SHIFT, VK_F7));
    UnregisterHotKey(nullptr, 1);
}
