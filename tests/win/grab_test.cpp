// The grab glue against the platform as Wine provides it: target resolution,
// the screen copy with the cursor and the background fill, and the clipboard
// store. (The BMP file's rows are read back by the end-to-end area grab; what
// a long run of grabs leaves behind is bench/soak's figure.)
#include <windows.h>

#include <gtest/gtest.h>

#include "capture/screen_grab_win.h"
#include "imaging/dib_section_win.h"
#include "tests/support/test_windows.h"

using namespace testwin;

namespace {

// The settings the grab reads, and the grab itself, as the application owns
// them: each grab gives back the one before it.
GrabSettings g_settings(false);
TrayIcon g_tray;
ScreenGrab g_grab(g_settings, g_tray);

constexpr COLORREF kFill = RGB(255, 0, 255);

bool Grab(GrabType type, POINT at, bool fill = false, bool cursor = false) {
    SetCursorPos(at.x, at.y);
    Pump(100);
    bool alphaFilled = false;
    return g_grab.TakeGrab(type, cursor, fill, kFill, alphaFilled) && !alphaFilled;
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

TEST(HotKeyGrab, EachTypeResolvesItsTargetAndCopiesItsPixels) {
    // With the fill, an ordinary window on a 32-bit display qualifies for its
    // alpha way, but the screen copy delivers every alpha byte as 0:
    // compositing by them would paint the whole picture in the fill colour.
    Scene scene;
    const POINT centre = scene.ChildCentre();
    const RECT child = Scene::WindowRect(scene.child);
    const RECT screen = {0, 0, GetSystemMetrics(SM_CXVIRTUALSCREEN),
                         GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    const struct {
        GrabType type;
        RECT expected;
        HWND target;
        bool fill = false;
    } cases[] = {
        {GrabType::Control, child, scene.child},
        {GrabType::ClientArea, scene.ClientScreenRect(), scene.parent},
        {GrabType::ClientArea, scene.ClientScreenRect(), scene.parent, true},
        {GrabType::Window, Scene::WindowRect(scene.parent), scene.parent},
        // Wine has no program-manager window: the desktop window stands in.
        {GrabType::Desktop, screen, GetDesktopWindow()},
        {GrabType::VirtualScreen, screen, GetDesktopWindow()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.type) * 10 + c.fill);
        ASSERT_TRUE(Grab(c.type, centre, c.fill));
        const RECT& rect = g_grab.capturedImage.rect;
        EXPECT_TRUE(EqualRect(&rect, &c.expected))
            << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom;
        EXPECT_EQ(g_grab.capturedImage.targetWindow, c.target);
        EXPECT_EQ(g_grab.savedCursor.x, centre.x);
        EXPECT_EQ(g_grab.savedCursor.y, centre.y);
        // The red child's last pixel, and the blue one past it (past the
        // picture's end for the control).
        HDC dc = g_grab.capturedImage.memoryDc.Get();
        const int x = child.right - rect.left, y = child.bottom - rect.top;
        EXPECT_EQ(GetPixel(dc, x - 1, y - 1), kRed);
        EXPECT_EQ(GetPixel(dc, x, y), c.type == GrabType::Control ? CLR_INVALID : kBlue);
    }
}

TEST(HotKeyGrab, TheCursorIsDrawnAtTheMouseAndAShapedWindowsOutsideIsFilled) {
    Scene scene;
    const RECT client = scene.ClientScreenRect();
    ASSERT_TRUE(Grab(GrabType::ClientArea, {client.left + 20, client.top + 20}, false, true));
    // The cursor's pixels are the only opaque ones (the screen copy's alpha
    // bytes are 0): from the arrow's tip, its hotspot, at the mouse, to within
    // a cursor's size of it. (Its colours and any hotspot's placing are the
    // unit tests'.)
    DibPixels dib;
    ASSERT_TRUE(DibSectionPixels(g_grab.capturedImage.dibSection.Get(), dib));
    const ArgbView picture = dib.TopDown();
    RECT drawn = {};
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const RECT pixel = {x, y, x + 1, y + 1};
            if (picture.Row(y)[x] >> 24 == 0xFF)
                UnionRect(&drawn, &drawn, &pixel);
        }
    }
    EXPECT_EQ(drawn.left, 20);
    EXPECT_EQ(drawn.top, 20);
    EXPECT_LE(drawn.right, 20 + GetSystemMetrics(SM_CXCURSOR));
    EXPECT_LE(drawn.bottom, 20 + GetSystemMetrics(SM_CYCURSOR));

    // A window with a complex region has no alpha way: outside its ellipse
    // the fill colour, inside its own blue.
    SetWindowRgn(scene.parent, CreateEllipticRgn(0, 0, 320, 240), TRUE);  // the window's now
    ASSERT_TRUE(Grab(GrabType::Window, scene.ChildCentre(), true));
    HDC dc = g_grab.capturedImage.memoryDc.Get();
    EXPECT_EQ(GetPixel(dc, 0, 0), kFill);
    EXPECT_EQ(GetPixel(dc, 319, 239), kFill);
    EXPECT_EQ(GetPixel(dc, 5, 120), kBlue);
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
    // (Its size is the control's: the second grab's target, resolved above.)
    EXPECT_EQ(GetObjectType(pasted), static_cast<DWORD>(OBJ_BITMAP));  // and it is still alive
    CloseClipboard();
}
