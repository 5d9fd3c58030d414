// A person's grabs: the test's own windows under the mouse, Win+F10 pressed,
// and what Pixelnook stored read back: numbered BMP files (Pixelnook started
// as on a system without GDI+, which writes BMP itself) and the clipboard.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <utility>

#include "resources/resource_ids.h"
#include "tests/support/pixelnook_driver.h"
#include "tests/support/test_windows.h"

using namespace e2e;
using testwin::DialogWithChild;
using testwin::kBlue;
using testwin::kRed;
using testwin::Pump;

namespace {

constexpr size_t kBmpHeaderBytes = 54;

// more: further [Properties] keys, or further sections.
std::string Ini(int snapType, bool storeFile, const std::string& more = "") {
    return "[Properties]\r\nFirstTime=0\r\nSettingsOnStart=0\r\nSnapType=" +
           std::to_string(snapType) + "\r\nStoreFile=" + (storeFile ? "1" : "0") + "\r\n" + more +
           "[FileStore]\r\nDir=.\\\r\nName=screencap_\r\nExt=bmp\r\nDigits=3\r\n";
}

// A BMP file as Pixelnook writes it: 32 bits per pixel, rows bottom-up.
struct Bmp {
    std::string bytes;

    uint32_t U32(size_t at) const {
        return uint8_t(bytes[at]) | uint8_t(bytes[at + 1]) << 8 | uint8_t(bytes[at + 2]) << 16 |
               uint32_t(uint8_t(bytes[at + 3])) << 24;
    }
    int32_t Width() const { return static_cast<int32_t>(U32(18)); }
    int32_t Height() const { return static_cast<int32_t>(U32(22)); }
    // The pixel at (x, y) from the top-left, as 0xAARRGGBB.
    uint32_t Argb(int32_t x, int32_t y) const {
        return U32(kBmpHeaderBytes + 4 * (size_t(Height() - 1 - y) * size_t(Width()) + size_t(x)));
    }
    COLORREF Pixel(int32_t x, int32_t y) const {
        const uint32_t argb = Argb(x, y);
        return RGB(argb >> 16 & 0xFF, argb >> 8 & 0xFF, argb & 0xFF);
    }
};

// Waits (keeping the test's windows painted) until the file is complete: as
// long as its header says.
bool WaitForBmp(const std::string& path, Bmp& bmp) {
    return WaitUntil([&] {
        Pump(20);
        std::ifstream file(path, std::ios::binary);
        bmp.bytes.assign(std::istreambuf_iterator<char>(file), {});
        return bmp.bytes.size() >= kBmpHeaderBytes && bmp.bytes.size() == bmp.U32(2);
    });
}

void PressAt(POINT at) {
    SetCursorPos(at.x, at.y);
    Pump(200);
    PressKeys({VK_LWIN, VK_F10});
}

// A dialog-like window at (200, 150), 320 x 240, with a 100 x 40 red child.
struct Scene {
    DialogWithChild windows{200, 150, 320, 240, kBlue, 60, 50, 100, 40, kRed};
};

// Pixelnook runs as on a Windows 98 without GDI+: gdiplus.dll fails to load,
// so files are written as BMP by the program itself.
struct Running {
    AppDefault noGdiplus{"DllOverrides", "gdiplus", ""};
    ScratchDir dir;
    PixelnookProcess pixelnook;

    bool Start(const std::string& ini) {
        return pixelnook.Start(dir, ini) && pixelnook.WaitForMainWindow() != nullptr;
    }
};

}  // namespace

TEST(FileStore, GrabsLandInTheNextNumberedFilesAfterTheExistingOnes) {
    Scene scene;
    Running run;
    run.dir.WriteFile("screencap_001.bmp", "x");
    run.dir.WriteFile("screencap_007.bmp", "x");
    ASSERT_TRUE(run.Start(Ini(0, true)));
    for (const char* name : {"screencap_008.bmp", "screencap_009.bmp"}) {
        PressAt(scene.windows.ChildCentre());
        Bmp bmp;
        ASSERT_TRUE(WaitForBmp(run.dir.FilePath(name), bmp)) << name;
        // The control under the mouse.
        EXPECT_EQ(bmp.Width(), 100);
        EXPECT_EQ(bmp.Height(), 40);
        EXPECT_EQ(bmp.Pixel(50, 20), kRed);
    }
}

TEST(ClipboardStore, AGrabWithStoreFileOffGoesToTheClipboard) {
    Scene scene;
    Running run;
    ASSERT_TRUE(run.Start(Ini(0, false)));
    const DWORD sequence = GetClipboardSequenceNumber();
    PressAt(scene.windows.ChildCentre());
    ASSERT_TRUE(WaitUntil([&] {
        Pump(20);
        return GetClipboardSequenceNumber() != sequence && IsClipboardFormatAvailable(CF_BITMAP) &&
               IsClipboardFormatAvailable(CF_DIB);
    }));
    // The pixels themselves, as another program pastes them, are read by the
    // win test ClipboardStore.AnotherProcessReadsTheGrabAsDib.
    EXPECT_EQ(GetClipboardOwner(), run.pixelnook.WaitForMainWindow());
    EXPECT_EQ(run.dir.List().size(), 1u);  // no file besides Pixelnook.ini
}

TEST(CursorOverlay, ShowCursorDrawsTheCursorWhereTheMouseIs) {
    Scene scene;
    Running run;
    ASSERT_TRUE(run.Start(Ini(1, true, "ShowCursor=1\r\n")));
    const RECT client = scene.windows.ClientScreenRect();
    PressAt({client.left + 20, client.top + 20});
    Bmp bmp;
    ASSERT_TRUE(WaitForBmp(run.dir.FilePath("screencap_001.bmp"), bmp));
    // The cursor's pixels are opaque (alpha 255); the screen copy's are not.
    int nearTip = 0, farAway = 0;
    for (int32_t y = 0; y < bmp.Height(); ++y) {
        for (int32_t x = 0; x < bmp.Width(); ++x) {
            if (bmp.Argb(x, y) >> 24 == 0xFF) {
                nearTip += abs(x - 20) <= 3 && abs(y - 20) <= 3;
                farAway += abs(x - 20) >= 32 || abs(y - 20) >= 32;
            }
        }
    }
    EXPECT_GT(nearTip, 0);
    EXPECT_EQ(farAway, 0);
}

TEST(BackgroundFill, FillPaintsOutsideAnEllipticWindowOnWindows98) {
    AppDefault win98("", "Version", "win98");
    DialogWithChild shaped(400, 300, 200, 120, kBlue, 150, 100, 10, 10, kRed);
    SetWindowRgn(shaped.parent, CreateEllipticRgn(0, 0, 200, 120), TRUE);
    Pump(300);
    Running run;
    ASSERT_TRUE(
        run.Start(Ini(2, true, "[BkgndFill]\r\nFill=1\r\nRed=0\r\nGreen=255\r\nBlue=0\r\n")));
    PressAt({500, 360});
    Bmp bmp;
    ASSERT_TRUE(WaitForBmp(run.dir.FilePath("screencap_001.bmp"), bmp));
    ASSERT_EQ(bmp.Width(), 200);
    ASSERT_EQ(bmp.Height(), 120);
    for (POINT corner : {POINT{0, 0}, POINT{199, 0}, POINT{0, 119}, POINT{199, 119}})
        EXPECT_EQ(bmp.Pixel(corner.x, corner.y), RGB(0, 255, 0)) << corner.x << ", " << corner.y;
    EXPECT_EQ(bmp.Pixel(100, 60), kBlue);
    EXPECT_EQ(bmp.Pixel(5, 60), kBlue);
}

TEST(MainWindowKeys, EscapeAndTheSystemMenuExitEndTheProgramWithZero) {
    // Exit chosen from the system menu arrives as a system command.
    for (auto c : {std::pair<UINT, WPARAM>{WM_CHAR, VK_ESCAPE}, {WM_SYSCOMMAND, IDM_EXIT}}) {
        SCOPED_TRACE(c.first);
        Running run;
        ASSERT_TRUE(run.Start(Ini(2, true)));
        PostMessageA(run.pixelnook.WaitForMainWindow(), c.first, c.second, 0);
        DWORD exitCode = 99;
        ASSERT_TRUE(run.pixelnook.WaitForExit(&exitCode));
        EXPECT_EQ(exitCode, 0u);
    }
}
