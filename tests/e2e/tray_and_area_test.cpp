// A person's use of the tray icon and of the rectangular-area popup: clicks
// on the icon in Wine's own tray window (there is no desktop shell here), and
// an area placed with the mouse between two presses of the hot key.
#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/texts.h"
#include "tests/support/pixelnook_driver.h"

using namespace e2e;

namespace {

constexpr char kStatusText[] = "Use Win+F10 to take a Rectangular Area screen grab";

// Presses the left button at one point and lets go at another, moving the
// mouse there in small steps as a hand would.
void Drag(POINT from, POINT to) {
    Mouse(0, from);
    Mouse(MOUSEEVENTF_LEFTDOWN, from);
    for (int step = 1; step <= 10; ++step) {
        Mouse(0, {from.x + (to.x - from.x) * step / 10, from.y + (to.y - from.y) * step / 10});
    }
    Mouse(MOUSEEVENTF_LEFTUP, to);
    Pump(200);
}

// Whether the folder holds nothing but the settings file.
bool NoGrabStored(const ScratchDir& dir) {
    const auto names = dir.List();
    return names.size() == 1 && names[0] == "Pixelnook.ini";
}

// Pixelnook set to grab areas into BMP files.
struct AreaSession : BmpPixelnook {
    explicit AreaSession(const std::string& properties) {
        window = Start(QuietBmpIni("SnapType=5\r\nStoreFile=1\r\n" + properties))
                     ? pixelnook.WaitForMainWindow()
                     : nullptr;
    }
    // Keeps the test's own windows answering meanwhile: showing the popup
    // sends them activation messages and waits for the answers.
    bool VisibleAt(RECT expected) {
        return WaitUntil([&] {
            Pump(20);
            const RECT rect = DialogWithChild::WindowRect(window);
            return IsWindowVisible(window) && EqualRect(&rect, &expected);
        });
    }

    HWND window = nullptr;
};

}  // namespace

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
    const RECT shown = DialogWithChild::WindowRect(TrayIcons().back());
    const POINT centre = {(shown.left + shown.right) / 2, (shown.top + shown.bottom) / 2};
    Mouse(MOUSEEVENTF_RIGHTDOWN, centre);
    Mouse(MOUSEEVENTF_RIGHTUP, centre);
    ASSERT_TRUE(WaitUntil([&] { return pixelnook.Find("#32768") != nullptr; }));
    PressKeys({'X'});  // E&xit
    EXPECT_EQ(pixelnook.ExitCode(), 0u);
}

TEST(AreaGrab, PlacedWithTheMouseAndTakenByTheSecondPress) {
    // The red child covers the screen from (261, 201) to (361, 241).
    Scene scene;
    // An ordinary window, so that the popup comes above it.
    SetWindowPos(scene.parent, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    // With a taskbar button, which must survive every ending of an area grab.
    AreaSession area("Taskbar=1\r\n");
    ASSERT_NE(area.window, nullptr);
    POINT cursor = {};
    auto cursorBackAt = [&](POINT at) {
        return WaitUntil([&] {
            Pump(20);
            GetCursorPos(&cursor);
            return cursor.x == at.x && cursor.y == at.y && IsWindowVisible(area.window);
        });
    };

    // A frame sized down to nothing: no grab, and the cursor comes back.
    PressHotKeyAt({300, 260});
    ASSERT_TRUE(area.VisibleAt({268, 228, 332, 292}));
    SetWindowPos(area.window, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PressHotKeyAt({310, 270});
    EXPECT_TRUE(cursorBackAt({310, 270})) << cursor.x << ", " << cursor.y;

    // Each first press starts afresh: 64 x 64 centred on the cursor. Dragged
    // by its inside, then sized by its bottom-right corner.
    PressHotKeyAt({300, 260});
    ASSERT_TRUE(area.VisibleAt({268, 228, 332, 292}));
    BYTE alpha = 0;
    EXPECT_TRUE(GetLayeredWindowAttributes(area.window, nullptr, &alpha, nullptr));
    EXPECT_EQ(alpha, 192);  // translucent from Windows 2000 on
    Drag({300, 260}, {320, 250});
    ASSERT_TRUE(area.VisibleAt({288, 218, 352, 282}));
    Drag({350, 280}, {380, 300});
    ASSERT_TRUE(area.VisibleAt({288, 218, 382, 302}));

    // Second press: exactly the area beneath the frame, the frame not in it,
    // the cursor back where it was, and the status title again. (A grab
    // stored by any earlier press would be the first file, of another size.)
    PressHotKeyAt({450, 350});
    Bmp bmp;
    ASSERT_TRUE(WaitForBmp(area.dir.FilePath("screencap_001.bmp"), bmp));
    ASSERT_EQ(bmp.Width(), 94);
    ASSERT_EQ(bmp.Height(), 84);
    for (LONG y = 0; y < 84; ++y) {
        for (LONG x = 0; x < 94; ++x)
            ASSERT_EQ(bmp.Pixel(x, y), x < 73 && y < 23 ? kRed : kBlue) << x << ", " << y;
    }
    EXPECT_TRUE(cursorBackAt({450, 350})) << cursor.x << ", " << cursor.y;
    EXPECT_EQ(WindowText(area.window), std::string(kStatusText) + TEXT_TITLE_SUFFIX);
}

TEST(AreaGrab, EscapeAbandonsItAndGivesUpTheKeyboard) {
    // The window the user was working in before placing the area.
    Scene scene(600);
    SetForegroundWindow(scene.parent);
    AppDefault windows98("", "Version", "win98");
    AreaSession area("");
    ASSERT_NE(area.window, nullptr);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    PressHotKeyAt({300, 260});
    ASSERT_TRUE(area.VisibleAt({268, 228, 332, 292}));
    // Windows 98 has no layered windows: the popup is made whole by taking its
    // empty region away, and hidden again by an empty one.
    EXPECT_EQ(GetWindowRgn(area.window, region), ERROR);

    // The keyboard goes back to the window the user works in, so a second
    // Escape is that window's: it must not reach the invisible main window and
    // end the program.
    PressKeys({VK_ESCAPE});
    EXPECT_TRUE(WaitUntil([&] {
        Pump(20);
        return !IsWindowVisible(area.window) && GetForegroundWindow() == scene.parent;
    }));
    PressKeys({VK_ESCAPE});
    Pump(1000);
    EXPECT_TRUE(area.pixelnook.IsRunning());
    EXPECT_TRUE(NoGrabStored(area.dir));
    EXPECT_EQ(GetWindowRgn(area.window, region), NULLREGION);
    DeleteObject(region);
    PressHotKeyAt({500, 400});
    EXPECT_TRUE(area.VisibleAt({468, 368, 532, 432}));
}
