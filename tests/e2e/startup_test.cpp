// Starting and ending Pixelnook as a user would: on each Windows version, as a
// second copy, with its hot key taken by another program.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/pixelnook_driver.h"

using namespace e2e;

namespace {

// Quiet start: no introduction dialog, no settings dialog.
const char kQuietIni[] = "[Properties]\r\nFirstTime=0\r\nSettingsOnStart=0\r\n";

void ExpectRunsHidden(const char* version) {
    SCOPED_TRACE(version);
    ReportedVersion reported(version);
    ScratchDir dir;
    PixelnookProcess pixelnook;
    ASSERT_TRUE(pixelnook.Start(dir, kQuietIni));
    HWND window = pixelnook.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    // Start-up conceals the window right after creating it.
    RECT rect = {};
    EXPECT_TRUE(WaitUntil([&] {
        GetWindowRect(window, &rect);
        return rect.right == rect.left && rect.bottom == rect.top;
    })) << "window is "
        << rect.right - rect.left << " x " << rect.bottom - rect.top;
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(WindowText(window),
              "Use Win+F10 to take a Window screen grab - Pixelnook Beta 0.4.0");
    DWORD exitCode = 99;
    ASSERT_TRUE(pixelnook.Close(&exitCode));
    EXPECT_EQ(exitCode, 0u);
}

void ExpectRefused(const char* version) {
    SCOPED_TRACE(version);
    ReportedVersion reported(version);
    ScratchDir dir;
    PixelnookProcess pixelnook;
    ASSERT_TRUE(pixelnook.Start(dir, kQuietIni));
    HWND box = pixelnook.WaitForDialog("Pixelnook - OS Version Error");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), "Pixelnook is for MS Windows 98 or newer.");
    EXPECT_EQ(FindProcessWindow(pixelnook.Id(), "PixelnookClass", nullptr), nullptr);
    PressButton(box, IDOK);
    DWORD exitCode = 99;
    ASSERT_TRUE(pixelnook.WaitForExit(&exitCode));
    EXPECT_EQ(exitCode, 1u);
}

}  // namespace

TEST(StartUp, RunsHiddenOnWindows98ToXp) {
    for (const char* version : {"winxp", "win2k", "winme", "win98"}) {
        ExpectRunsHidden(version);
    }
}

TEST(StartUp, RefusesOtherSystems) {
    for (const char* version : {"win7", "vista", "win2003", "nt40", "win95"}) {
        ExpectRefused(version);
    }
}

TEST(StartUp, SecondCopyExitsAndFirstKeepsRunning) {
    ScratchDir dir;
    PixelnookProcess first;
    ASSERT_TRUE(first.Start(dir, kQuietIni));
    ASSERT_NE(first.WaitForMainWindow(), nullptr);

    PixelnookProcess second;
    ASSERT_TRUE(second.Start(dir));
    DWORD exitCode = 99;
    ASSERT_TRUE(second.WaitForExit(&exitCode));
    EXPECT_EQ(exitCode, 1u);
    EXPECT_TRUE(first.IsRunning());

    ASSERT_TRUE(first.Close(&exitCode));
    EXPECT_EQ(exitCode, 0u);
}

TEST(StartUp, WarnsWhenTheHotKeyIsTakenAndKeepsRunning) {
    // This test process plays the other program that holds Win+F10.
    ASSERT_TRUE(RegisterHotKey(nullptr, 1, MOD_WIN, VK_F10));
    ScratchDir dir;
    PixelnookProcess pixelnook;
    ASSERT_TRUE(pixelnook.Start(dir, kQuietIni));
    HWND box = pixelnook.WaitForDialog("Pixelnook - Hot Key Registration Error");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box).substr(0, 41), "Unable to register the requested hot key.");
    PressButton(box, IDOK);

    HWND window = pixelnook.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(pixelnook.IsRunning());
    EXPECT_EQ(WindowText(window),
              "No valid hot key registered. Go to Settings to choose one. - Pixelnook Beta 0.4.0");
    UnregisterHotKey(nullptr, 1);

    DWORD exitCode = 99;
    ASSERT_TRUE(pixelnook.Close(&exitCode));
    EXPECT_EQ(exitCode, 0u);
}

TEST(StartUp, ClosingEndsWithZeroAndFreesTheHotKey) {
    ScratchDir dir;
    PixelnookProcess pixelnook;
    ASSERT_TRUE(pixelnook.Start(dir, kQuietIni));
    ASSERT_NE(pixelnook.WaitForMainWindow(), nullptr);
    // While Pixelnook runs, Win+F10 is its own.
    EXPECT_FALSE(RegisterHotKey(nullptr, 1, MOD_WIN, VK_F10));

    DWORD exitCode = 99;
    ASSERT_TRUE(pixelnook.Close(&exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_TRUE(RegisterHotKey(nullptr, 1, MOD_WIN, VK_F10));
    UnregisterHotKey(nullptr, 1);
}
