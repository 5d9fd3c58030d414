// A person's grabs: the test's own windows under the mouse, Win+F10 pressed,
// and what Pixelnook stored read back: numbered BMP files (Pixelnook started
// as on a system without GDI+, which writes BMP itself) and the clipboard.
#include <windows.h>

#include <gtest/gtest.h>

#include <tuple>

#include "resources/resource_ids.h"
#include "tests/support/pixelnook_driver.h"
#include "tests/support/test_windows.h"

using namespace e2e;
using testwin::DialogWithChild;
using testwin::kBlue;
using testwin::kRed;
using testwin::Pump;
using testwin::Scene;

TEST(FileStore, GrabsLandInTheNextNumberedFilesAfterTheExistingOnes) {
    Scene scene;
    BmpPixelnook run;
    run.dir.WriteFile("screencap_001.bmp", "x");
    run.dir.WriteFile("screencap_007.bmp", "x");
    ASSERT_TRUE(run.Start(QuietBmpIni("SnapType=0\r\nStoreFile=1\r\n")));
    for (const char* name : {"screencap_008.bmp", "screencap_009.bmp"}) {
        PressHotKeyAt(scene.ChildCentre());
        Bmp bmp;
        ASSERT_TRUE(WaitForBmp(run.dir.FilePath(name), bmp)) << name;
        EXPECT_EQ(bmp.Width(), 100);  // the control under the mouse
    }
}

TEST(ClipboardStore, AGrabWithStoreFileOffGoesToTheClipboard) {
    Scene scene;
    BmpPixelnook run;
    ASSERT_TRUE(run.Start(QuietBmpIni("SnapType=1\r\nStoreFile=0\r\n")));
    const DWORD sequence = GetClipboardSequenceNumber();
    PressHotKeyAt(scene.ChildCentre());
    ASSERT_TRUE(WaitUntil([&] {
        Pump(20);
        return GetClipboardSequenceNumber() != sequence && IsClipboardFormatAvailable(CF_BITMAP) &&
               IsClipboardFormatAvailable(CF_DIB);
    }));
    EXPECT_EQ(GetClipboardOwner(), run.pixelnook.WaitForMainWindow());
    EXPECT_EQ(run.dir.List().size(), 1u);  // no file besides Pixelnook.ini
    // Pasted here, in another process: under Wine only the packed DIB crosses.
    // The client area: blue, the red control 60 x 50 inside, rows bottom-up.
    const RECT client = scene.ClientScreenRect();
    const LONG w = client.right - client.left, h = client.bottom - client.top;
    ASSERT_TRUE(OpenClipboard(nullptr));
    HGLOBAL memory = GetClipboardData(CF_DIB);
    const auto* header = static_cast<const BITMAPINFOHEADER*>(GlobalLock(memory));
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(std::make_tuple(header->biWidth, header->biHeight, header->biBitCount),
              std::make_tuple(w, h, WORD{32}));
    ASSERT_GE(GlobalSize(memory), header->biSize + w * h * 4u);
    const auto* pixels = reinterpret_cast<const uint32_t*>(header + 1);
    EXPECT_EQ(pixels[0] & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(pixels[(h - 1 - 70) * w + 110] & 0xFFFFFF, 0xFF0000u);
    GlobalUnlock(memory);
    CloseClipboard();
}

TEST(CursorOverlay, ShowCursorDrawsTheCursorWhereTheMouseIs) {
    Scene scene;
    BmpPixelnook run;
    ASSERT_TRUE(run.Start(QuietBmpIni("SnapType=1\r\nStoreFile=1\r\nShowCursor=1\r\n")));
    const RECT client = scene.ClientScreenRect();
    PressHotKeyAt({client.left + 20, client.top + 20});
    Bmp bmp;
    ASSERT_TRUE(WaitForBmp(run.dir.FilePath("screencap_001.bmp"), bmp));
    // The cursor's pixels are opaque (alpha 255), the screen copy's are not:
    // they are the arrow's black and white, all within a cursor's size of the
    // tip, which is where the mouse was. (Placing by the hotspot is the unit
    // tests'.)
    int opaque = 0, coloured = 0, outside = 0, nearTip = 0;
    for (int32_t y = 0; y < bmp.Height(); ++y) {
        for (int32_t x = 0; x < bmp.Width(); ++x) {
            if (bmp.Argb(x, y) >> 24 != 0xFF)
                continue;
            ++opaque;
            const COLORREF c = bmp.Pixel(x, y);
            coloured += GetRValue(c) != GetGValue(c) || GetGValue(c) != GetBValue(c);
            outside += abs(x - 20) >= GetSystemMetrics(SM_CXCURSOR) ||
                       abs(y - 20) >= GetSystemMetrics(SM_CYCURSOR);
            nearTip += abs(x - 20) <= 2 && abs(y - 20) <= 2;
        }
    }
    EXPECT_GT(opaque, 10);
    EXPECT_EQ(coloured, 0);
    EXPECT_EQ(outside, 0);
    EXPECT_GT(nearTip, 0);
}

TEST(BackgroundFill, FillPaintsOutsideAnEllipticWindowOnWindows98) {
    AppDefault win98("", "Version", "win98");
    DialogWithChild shaped(400, 300, 200, 120, kBlue, 150, 100, 10, 10, kRed);
    SetWindowRgn(shaped.parent, CreateEllipticRgn(0, 0, 200, 120), TRUE);
    Pump(300);
    BmpPixelnook run;
    ASSERT_TRUE(run.Start(QuietBmpIni(
        "SnapType=2\r\nStoreFile=1\r\n[BkgndFill]\r\nFill=1\r\nRed=0\r\nGreen=255\r\nBlue=0\r\n")));
    PressHotKeyAt({500, 360});
    Bmp bmp;
    ASSERT_TRUE(WaitForBmp(run.dir.FilePath("screencap_001.bmp"), bmp));
    ASSERT_EQ(bmp.Width(), 200);
    ASSERT_EQ(bmp.Height(), 120);
    for (POINT corner : {POINT{0, 0}, POINT{199, 0}, POINT{0, 119}, POINT{199, 119}})
        EXPECT_EQ(bmp.Pixel(corner.x, corner.y), RGB(0, 255, 0)) << corner.x << ", " << corner.y;
    EXPECT_EQ(bmp.Pixel(100, 60), kBlue);
    EXPECT_EQ(bmp.Pixel(5, 60), kBlue);
}
