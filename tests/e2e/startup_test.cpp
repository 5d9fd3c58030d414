// Starting and ending Pixelnook as a user would: on each Windows version, and
// with its hot key taken by another program. (A second copy is the settings
// dialog's end-to-end test; the hot key of the file's choosing is registered
// by the Windows tests of the dialog.)
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
    // One system of each family either side of the line; the unit tests'
    // OsVersionClass table classifies every version.
    const struct {
        const char* version;
        bool runs;
    } cases[] = {{"winxp", true}, {"win98", true}, {"win7", false}, {"win95", false}};
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
