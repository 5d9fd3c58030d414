// A grab put on the clipboard read by another process, as a person pasting it
// into another program would: under Wine only the packed DIB crosses.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "capture/screen_grab_win.h"
#include "tests/win/store_test_support.h"

namespace {

constexpr char kReaderVariable[] = "PIXELNOOK_CLIPBOARD_READER";
constexpr int kWidth = 10;
constexpr int kHeight = 6;

// The reading side, run in a second process: the CF_DIB as stored.
void ReadAsAnotherProcess() {
    ASSERT_TRUE(OpenClipboard(nullptr));
    HGLOBAL memory = GetClipboardData(CF_DIB);
    ASSERT_NE(memory, nullptr);
    const auto* header = static_cast<const BITMAPINFOHEADER*>(GlobalLock(memory));
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->biSize, 40u);
    EXPECT_EQ(header->biWidth, kWidth);
    EXPECT_EQ(header->biHeight, kHeight);
    EXPECT_EQ(header->biBitCount, 32);
    ASSERT_GE(GlobalSize(memory), 40u + kWidth * kHeight * 4u);
    const auto* pixels = reinterpret_cast<const uint32_t*>(header + 1);
    EXPECT_EQ(pixels[0] & 0xFFFFFF, 0x0000FFu);                     // bottom row blue
    EXPECT_EQ(pixels[kWidth * kHeight - 1] & 0xFFFFFF, 0xFF0000u);  // top row red
    GlobalUnlock(memory);
    CloseClipboard();
}

}  // namespace

TEST(ClipboardStore, AnotherProcessReadsTheGrabAsDib) {
    if (getenv(kReaderVariable) != nullptr) {
        ReadAsAnotherProcess();
        return;
    }
    GrabSettings settings(false);
    TrayIcon tray;
    ScreenGrab grab(settings, tray);
    // Top half red, bottom half blue.
    InstallPicture(grab, kWidth, kHeight,
                   [](int, int y) { return y < kHeight / 2 ? 0xFF0000u : 0x0000FFu; });
    GrabSettings options(false);
    options.Properties.StoreFile = false;
    ASSERT_TRUE(grab.StoreGrab(options, false, nullptr, nullptr));
    grab.ReleaseGrab();
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));  // still offered as a bitmap
    CloseClipboard();

    char program[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, program, sizeof program);
    std::string command = std::string("\"") + program +
                          "\" --gtest_filter=ClipboardStore.AnotherProcessReadsTheGrabAsDib";
    SetEnvironmentVariableA(kReaderVariable, "1");
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    const BOOL started = CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                                        nullptr, &startup, &process);
    SetEnvironmentVariableA(kReaderVariable, nullptr);
    ASSERT_TRUE(started);
    ASSERT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    EXPECT_EQ(exitCode, 0u) << "the reading process failed";
}
