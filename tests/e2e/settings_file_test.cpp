// Pixelnook reading "Pixelnook.ini" at start-up, as a user who edited the
// file (or whose file was damaged) would see it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/pixelnook_driver.h"

using namespace e2e;

namespace {

std::string JunkLine() {
    std::string junk;
    for (int i = 1; i < 256; ++i) {
        if (i != '\r' && i != '\n')
            junk += static_cast<char>(i);
    }
    return junk + "\r\n";
}

void ExpectTitleAfterStart(const char* version, const std::string& ini, const char* title) {
    SCOPED_TRACE(version);
    ReportedVersion reported(version);
    ScratchDir dir;
    PixelnookProcess pixelnook;
    ASSERT_TRUE(pixelnook.Start(dir, ini));
    HWND window = pixelnook.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return WindowText(window) == title; }))
        << "title is \"" << WindowText(window) << '"';
    EXPECT_TRUE(pixelnook.IsRunning());
    DWORD exitCode = 99;
    ASSERT_TRUE(pixelnook.Close(&exitCode));
    EXPECT_EQ(exitCode, 0u);
}

}  // namespace

TEST(SettingsFileAtStartUp, HotKeyChosenInTheFileIsTheOneShown) {
    const std::string ini =
        "[Properties]\r\nFirstTime=0\r\nSettingsOnStart=0\r\n"
        "HotKey=7\r\nUseCtrl=1\r\nUseShift=1\r\nUseWin=0\r\n";
    for (const char* version : {"winxp", "win98"}) {
        ExpectTitleAfterStart(version, ini,
                              "Use Ctrl+Shift+F7 to take a Window screen grab - Pixelnook Beta "
                              "0.4.0");
    }
}

TEST(SettingsFileAtStartUp, PrintScreenKeepsItsCode) {
    ExpectTitleAfterStart("winxp",
                          "[Properties]\r\nFirstTime=0\r\nSettingsOnStart=0\r\nHotKey=44\r\n"
                          "UseWin=0\r\nUseAlt=1\r\n",
                          "Use Alt+PrtScrn to take a Window screen grab - Pixelnook Beta 0.4.0");
}

TEST(SettingsFileAtStartUp, DamagedFileStillStartsNormally) {
    const std::string longText(5000, 'x');
    const std::string ini =
        "[Properties]\r\nFirstTime=0\r\nSettingsOnStart=0\r\n"
        // The first of two keys counts.
        "SettingsOnStart=1\r\n"
        "Systray=99999999999\r\n"
        "Taskbar=-5\r\n"
        "Icons=" +
        longText + "\r\n" + JunkLine() +
        "[FileStore]\r\nDigits=-5\r\nQuality=99999999999\r\nName=" + longText +
        "\r\nDir=" + longText + "\r\n" + "[Watermark]\r\nHOffset=" + longText +
        "\r\nVOffset=-5\r\n" + "[Info]\r\nTitle=" + longText + "\r\n" + JunkLine() +
        "[BkgndFill]\r\nRed=99999999999\r\nGreen=-5\r\n" + std::string("\0\0junk\0=\0[", 10);
    for (const char* version : {"winxp", "win98"}) {
        ExpectTitleAfterStart(version, ini,
                              "Use Win+F10 to take a Window screen grab - Pixelnook Beta 0.4.0");
    }
}
