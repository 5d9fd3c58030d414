// The grab glue against the platform as Wine provides it: target resolution,
// the screen copy, the handles a grab owns, the clipboard store and the window
// region hand-over. (The BMP file's rows are read back by the end-to-end area
// grab, the cursor drawn into a grab by the end-to-end cursor grab.)
#include <windows.h>

#include <psapi.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "base/handles_win.h"
#include "capture/screen_grab_win.h"
#include "tests/support/test_windows.h"
#include "tests/win/store_test_support.h"

using testwin::DialogWithChild;
using testwin::kBlue;
using testwin::kRed;
using testwin::Pump;
using testwin::Scene;

namespace {

// The settings the grab reads, and the grab itself, as the application owns them.
GrabSettings g_settings(false);
TrayIcon g_tray;
ScreenGrab g_grab(g_settings, g_tray);

bool Grab(GrabType type, POINT at, bool fill = false) {
    SetCursorPos(at.x, at.y);
    Pump(100);
    bool alphaFilled = false;
    return g_grab.TakeGrab(type, false, fill, RGB(255, 0, 255), alphaFilled) && !alphaFilled;
}

// Live GDI objects of this process. Wine's GetGuiResources answers 0, but its
// handle table accepts a bare index (no generation bits), so there the live
// objects are counted by asking every index for its type.
DWORD CountGdiObjects() {
    const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (reported != 0) {
        return reported;
    }
    DWORD live = 0;
    for (ULONG_PTR index = 1; index <= 0xFFFF; ++index) {
        live += GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0 ? 1 : 0;
    }
    return live;
}

HANDLE g_clipboardOpened = CreateEventA(nullptr, TRUE, FALSE, nullptr);

// Another program's thread: holds the clipboard open for 300 ms.
DWORD WINAPI HoldClipboardOpen(void* window) {
    OpenClipboard(static_cast<HWND>(window));
    SetEvent(g_clipboardOpened);
    Sleep(300);
    return CloseClipboard();
}

}  // namespace

TEST(HotKeyGrab, EachTypeResolvesItsTargetAndRectangle) {
    Scene scene;
    const POINT centre = scene.ChildCentre();
    const RECT screen = {0, 0, GetSystemMetrics(SM_CXVIRTUALSCREEN),
                         GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    const struct {
        GrabType type;
        RECT expected;
        HWND target;
    } cases[] = {
        {GrabType::Control, DialogWithChild::WindowRect(scene.child), scene.child},
        {GrabType::ClientArea, scene.ClientScreenRect(), scene.parent},
        {GrabType::Window, DialogWithChild::WindowRect(scene.parent), scene.parent},
        // Wine has no program-manager window: the desktop window stands in.
        {GrabType::Desktop, screen, GetDesktopWindow()},
        {GrabType::VirtualScreen, screen, GetDesktopWindow()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.type));
        ASSERT_TRUE(Grab(c.type, centre));
        const RECT& rect = g_grab.capturedImage.rect;
        EXPECT_TRUE(EqualRect(&rect, &c.expected))
            << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom;
        EXPECT_EQ(g_grab.capturedImage.targetWindow, c.target);
        EXPECT_EQ(g_grab.savedCursor.x, centre.x);
        EXPECT_EQ(g_grab.savedCursor.y, centre.y);
    }
    g_grab.ReleaseGrab();
}

TEST(HotKeyGrab, CopiesTheScreenPixelsWithAndWithoutBackgroundFill) {
    // An ordinary window on a 32-bit display qualifies for the alpha way of the
    // fill, but the screen copy delivers every alpha byte as 0: compositing by
    // them would paint the whole picture in the fill colour.
    Scene scene;
    for (bool fill : {false, true}) {
        SCOPED_TRACE(fill ? "with fill" : "without fill");
        ASSERT_TRUE(Grab(GrabType::ClientArea, scene.ChildCentre(), fill));
        HDC dc = g_grab.capturedImage.memoryDc.Get();
        EXPECT_EQ(GetPixel(dc, 5, 5), kBlue);
        EXPECT_EQ(GetPixel(dc, 60 + 50, 50 + 20), kRed);
        EXPECT_EQ(GetPixel(dc, 60 + 99, 50 + 39), kRed);
        EXPECT_EQ(GetPixel(dc, 60 + 100, 50 + 40), kBlue);
    }
    g_grab.ReleaseGrab();
}

TEST(ClipboardStore, TheClipboardTakesTheBitmapOnceItIsFreeAndASecondStoreFindsNothing) {
    Scene scene;
    // Two presses before the first completion is handled: the second grab
    // replaces the first, and the first's store stores the second picture.
    ASSERT_TRUE(Grab(GrabType::ClientArea, scene.ChildCentre()));
    HBITMAP first = g_grab.capturedImage.dibSection.Get();
    ASSERT_TRUE(Grab(GrabType::Control, scene.ChildCentre()));
    EXPECT_EQ(GetObjectType(first), 0u);
    HBITMAP second = g_grab.capturedImage.dibSection.Get();

    // Another program holds the clipboard open for a moment: the store waits.
    HANDLE holder = CreateThread(nullptr, 0, HoldClipboardOpen, scene.child, 0, nullptr);
    WaitForSingleObject(g_clipboardOpened, INFINITE);
    GrabSettings options(false);
    options.Properties.StoreFile = false;
    ASSERT_TRUE(g_grab.StoreGrab(options, false, nullptr, nullptr));
    EXPECT_EQ(g_grab.capturedImage.dibSection.Get(), nullptr);
    WaitForSingleObject(holder, INFINITE);
    CloseHandle(holder);
    g_grab.ReleaseGrab();
    const DWORD sequence = GetClipboardSequenceNumber();

    // The second completion message: the picture is gone, nothing is stored.
    EXPECT_FALSE(g_grab.StoreGrab(options, false, nullptr, nullptr));
    EXPECT_EQ(GetClipboardSequenceNumber(), sequence);

    ASSERT_TRUE(OpenClipboard(nullptr));
    HBITMAP pasted = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    EXPECT_EQ(pasted, second);  // the clipboard owns the grab's own bitmap now
    BITMAP description = {};
    ASSERT_NE(GetObjectA(pasted, sizeof description, &description), 0);
    EXPECT_EQ(description.bmWidth, 100);
    EXPECT_EQ(description.bmHeight, 40);
    CloseClipboard();
}

TEST(ConcealedWindow, ARegionTheWindowRefusesIsDeleted) {
    Scene scene;
    // (What becomes of a region the window took is the system's business:
    // Wine deletes it at once, Windows when the window goes.)
    EXPECT_TRUE(SetWindowRegion(scene.parent, GdiObject<HRGN>(CreateRectRgn(0, 0, 0, 0)), false));
    HWND gone = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    DestroyWindow(gone);
    HRGN refused = CreateRectRgn(0, 0, 0, 0);
    EXPECT_FALSE(SetWindowRegion(gone, GdiObject<HRGN>(refused), false));
    EXPECT_EQ(GetObjectType(refused), 0u);
}

// Its own storage folder, and the grabs of the test windows.
class GdiObjects : public StoreTest {};

TEST_F(GdiObjects, TwoHundredGrabsLeaveNoObjectBehind) {
    Scene scene;
    SetCursorPos(scene.ChildCentre().x, scene.ChildCentre().y);
    Pump(100);
    // A watermark beside the grabs (a relative mark is found in the storage folder).
    RunShell("/usr/bin/convert -size 8x4 xc:lime 'BMP3:" + UnixPath(In("mark.bmp")) + "'",
             In("convert"));
    for (bool storeFile : {false, true}) {
        SCOPED_TRACE(storeFile ? "JPEG file with thumbnail and watermark" : "clipboard store");
        GrabSettings options = Settings("jpg");  // with its thumbnail
        options.Properties.StoreFile = storeFile;
        options.Watermark.Watermark = true;
        snprintf(options.Watermark.File, sizeof options.Watermark.File, "mark.bmp");
        // Cursor and background fill on: every object a grab can make is made.
        auto grabAndStore = [&] {
            bool alphaFilled = false;
            ASSERT_TRUE(grab.TakeGrab(GrabType::Window, true, true, RGB(255, 0, 255), alphaFilled));
            Store(options, alphaFilled);
            grab.ReleaseGrab();
        };
        for (int i = 0; i < 10; ++i)
            grabAndStore();
        const DWORD after10 = CountGdiObjects();
        PROCESS_MEMORY_COUNTERS_EX memory = {};
        GetProcessMemoryInfo(GetCurrentProcess(),
                             reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
        const SIZE_T privateBefore = memory.PagefileUsage;
        EXPECT_GT(after10, 0u);
        for (int i = 0; i < 200; ++i)
            grabAndStore();
        EXPECT_EQ(CountGdiObjects(), after10);
        GetProcessMemoryInfo(GetCurrentProcess(),
                             reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
        // A figure for the record, not a limit: private bytes (the page-file
        // usage, which Wine fills) over the 200 grabs.
        printf("private bytes: %zu KiB after 10 grabs, %zu KiB after 210\n", privateBefore / 1024,
               SIZE_T(memory.PagefileUsage) / 1024);
        EXPECT_EQ(Exists(In("tscreencap_.jpg")), storeFile);
    }
}
