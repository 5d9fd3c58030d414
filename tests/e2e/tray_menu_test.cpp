// A person's use of the tray icon: Wine's own tray window stands in for the
// shell (there is no desktop shell here), so the icon is clicked there.
#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include "tests/support/pixelnook_driver.h"

using namespace e2e;

TEST(TrayIcon, ComesBackWhenTheShellRestartsAndItsMenuEndsTheProgram) {
    // (That Systray=0 takes it away is SettingsDialog.OkTakesEffectAtOnce.)
    ScratchDir dir;
    PixelnookProcess pixelnook;
    const size_t before = TrayIcons().size();
    ASSERT_TRUE(pixelnook.Start(dir, QuietBmpIni("SnapType=5\r\nSystray=1\r\n")));
    ASSERT_TRUE(WaitUntil([&] { return TrayIcons().size() == before + 1; }));
    // The shell restarting loses every icon and announces "TaskbarCreated".
    NOTIFYICONDATAA icon = {};
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    icon.hWnd = pixelnook.WaitForMainWindow();
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &icon));
    ASSERT_TRUE(WaitUntil([&] { return TrayIcons().size() == before; }));
    PostMessageA(icon.hWnd, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return TrayIcons().size() == before + 1; }));
    const RECT shown = Scene::WindowRect(TrayIcons().back());
    const POINT centre = {(shown.left + shown.right) / 2, (shown.top + shown.bottom) / 2};
    Mouse(MOUSEEVENTF_RIGHTDOWN, centre);
    Mouse(MOUSEEVENTF_RIGHTUP, centre);
    ASSERT_TRUE(WaitUntil([&] { return pixelnook.Find("#32768") != nullptr; }));
    PressKeys({'X'});  // E&xit
    EXPECT_EQ(pixelnook.ExitCode(), 0u);
}
