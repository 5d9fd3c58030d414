// Starting and ending Pixelnook as a user would: on each family of Windows
// versions, and with its hot key taken by another program. (A second copy is
// the settings dialog's end-to-end test; the hot key of the file's choosing is
// registered by the Windows tests of the dialog.)
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "resources/texts.h"
#include "tests/support/pixelnook_driver.h"

using namespace e2e;

TEST(StartUp, RunsHiddenOnWindows98ToXpAndRefusesOtherSystems) {
    // One system of each family it runs on and one it refuses (the unit tests'
    // OsVersionClass table classifies every version), and one start with the
    // hot key held by another program (this test process plays it): a warning,
    // and the program runs on without it.
    const struct {
        const char* version;
        bool keyTaken;
        const char* caption;  // the message box shown first, or null
        bool runs;
    } cases[] = {{"winxp", true, TEXT_HOTKEY_ERROR_CAPTION, true},
                 {"win98", false, nullptr, true},
                 {"win7", false, TEXT_OS_ERROR_CAPTION, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.version);
        AppDefault reported("", "Version", c.version);
        ScratchDir dir;
        PixelnookProcess pixelnook;
        if (c.keyTaken) {
            ASSERT_TRUE(RegisterHotKey(nullptr, 1, MOD_WIN, VK_F10));
        }
        ASSERT_TRUE(pixelnook.Start(dir, QuietBmpIni("")));
        if (c.caption != nullptr) {
            HWND box = pixelnook.WaitFor("#32770", c.caption);
            ASSERT_NE(box, nullptr);
            PostMessageA(box, WM_COMMAND, IDOK, 0);  // the OK button
        }
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
            if (c.keyTaken) {
                EXPECT_TRUE(WaitUntil([&] {
                    return WindowText(window) == TEXT_NO_HOTKEY_STATUS TEXT_TITLE_SUFFIX;
                })) << WindowText(window);
                UnregisterHotKey(nullptr, 1);
            }
            EXPECT_EQ(pixelnook.Close(), 0u);
        } else {
            EXPECT_EQ(pixelnook.ExitCode(), 1u);
        }
    }
}
