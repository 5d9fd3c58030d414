// A person's grabs: the test's own windows under the mouse, Win+F10 pressed,
// and what Pixelnook stored read back: numbered BMP files (Pixelnook started
// as on a system without GDI+, which writes BMP itself) and the clipboard.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/pixelnook_driver.h"
#include "tests/support/test_windows.h"

using namespace e2e;
using testwin::DialogWithChild;
using testwin::Pump;

namespace {

constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr size_t kBmpHeaderBytes = 54;

constexpr char kFileStore[] = "Dir=.\\\r\nName=screencap_\r\nExt=bmp\r\nDigits=3\r\n";

// fileStore is the [FileStore] section's keys; moreProperties goes into
// [Properties]; more follows as further sections.
std::string Ini(int snapType, bool storeFile, const std::string& more = "",
                const std::string& moreProperties = "", const std::string& fileStore = kFileStore) {
    return "[Properties]\r\nFirstTime=0\r\nSettingsOnStart=0\r\nSnapType=" +
           std::to_string(snapType) + "\r\nStoreFile=" + (storeFile ? "1" : "0") + "\r\n" +
           moreProperties + "[FileStore]\r\n" + fileStore + more;
}

// A BMP file as Pixelnook writes it: 32 bits per pixel, rows bottom-up.
struct Bmp {
    std::vector<unsigned char> bytes;

    uint32_t U32(size_t offset) const {
        return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
               uint32_t(bytes[offset + 3]) << 24;
    }
    int32_t Width() const { return int32_t(U32(18)); }
    int32_t Height() const { return int32_t(U32(22)); }
    // The pixel at (x, y) counted from the top-left, as a COLORREF.
    COLORREF Pixel(int32_t x, int32_t y) const {
        const unsigned char* p =
            &bytes[kBmpHeaderBytes + (size_t(Height() - 1 - y) * Width() + x) * 4];
        return RGB(p[2], p[1], p[0]);
    }
    unsigned char Alpha(int32_t x, int32_t y) const {
        return bytes[kBmpHeaderBytes + (size_t(Height() - 1 - y) * Width() + x) * 4 + 3];
    }
};

bool ReadWholeBmp(const std::string& path, Bmp& bmp) {
    FILE* file = fopen(path.c_str(), "rb");
    if (file == nullptr)
        return false;
    fseek(file, 0, SEEK_END);
    long size = ftell(file);
    fseek(file, 0, SEEK_SET);
    bmp.bytes.resize(size > 0 ? size_t(size) : 0);
    size_t read = fread(bmp.bytes.data(), 1, bmp.bytes.size(), file);
    fclose(file);
    // Complete once the size the header announces is all there.
    return read >= kBmpHeaderBytes && read == bmp.U32(2);
}

// Waits (keeping the test's windows painted) until the file is complete.
bool WaitForBmp(const std::string& path, Bmp& bmp) {
    const DWORD start = GetTickCount();
    while (!ReadWholeBmp(path, bmp)) {
        if (GetTickCount() - start > kDefaultTimeoutMs)
            return false;
        Pump(50);
    }
    return true;
}

void PressAt(POINT at) {
    SetCursorPos(at.x, at.y);
    Pump(200);
    PressHotKey(MOD_WIN, VK_F10);
}

// A dialog-like window at (200, 150), 320 x 240, with a 100 x 40 red child.
struct Scene {
    DialogWithChild windows{200, 150, 320, 240, kBlue, 60, 50, 100, 40, kRed};
};

// Pixelnook runs as on a Windows 98 without GDI+: gdiplus.dll fails to load,
// so files are written as BMP by the program itself.
struct Running {
    DisabledDll noGdiplus{"gdiplus"};
    ScratchDir dir;
    PixelnookProcess pixelnook;

    bool Start(const std::string& ini) {
        return pixelnook.Start(dir, ini) && pixelnook.WaitForMainWindow() != nullptr;
    }
    ~Running() {
        DWORD exitCode = 0;
        if (pixelnook.IsRunning())
            pixelnook.Close(&exitCode);
    }
};

}  // namespace

TEST(HotKeyGrab, ControlClientAreaAndWindowGrabsAreTheirRectangles) {
    Scene scene;
    const RECT child = DialogWithChild::WindowRect(scene.windows.child);
    const RECT client = scene.windows.ClientScreenRect();
    const RECT window = DialogWithChild::WindowRect(scene.windows.parent);
    const struct {
        int type;
        RECT rect;
    } cases[] = {{0, child}, {1, client}, {2, window}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        Running run;
        ASSERT_TRUE(run.Start(Ini(c.type, true)));
        PressAt(scene.windows.ChildCentre());
        Bmp bmp;
        ASSERT_TRUE(WaitForBmp(run.dir.FilePath("screencap_001.bmp"), bmp));
        const int32_t width = c.rect.right - c.rect.left, height = c.rect.bottom - c.rect.top;
        EXPECT_EQ(bmp.Width(), width);
        EXPECT_EQ(bmp.Height(), height);
        EXPECT_EQ(bmp.bytes.size(), kBmpHeaderBytes + size_t(width) * height * 4);
        // The child's pixels are red wherever it lies in the grab, and the
        // dialog around it is blue.
        const int32_t cx = child.left - c.rect.left, cy = child.top - c.rect.top;
        EXPECT_EQ(bmp.Pixel(cx, cy), kRed);
        EXPECT_EQ(bmp.Pixel(cx + 99, cy + 39), kRed);
        if (c.type != 0) {
            EXPECT_EQ(bmp.Pixel(client.left - c.rect.left + 2, client.top - c.rect.top + 2), kBlue);
            EXPECT_EQ(bmp.Pixel(cx + 100, cy + 40), kBlue);
        }
    }
}

TEST(HotKeyGrab, DesktopAndVirtualScreenFollowTheScreenSize) {
    Scene scene;
    for (int type : {3, 4}) {
        SCOPED_TRACE(type);
        Running run;
        ASSERT_TRUE(run.Start(Ini(type, true)));
        PressAt(scene.windows.ChildCentre());
        Bmp bmp;
        ASSERT_TRUE(WaitForBmp(run.dir.FilePath("screencap_001.bmp"), bmp));
        EXPECT_EQ(bmp.Width(), GetSystemMetrics(SM_CXSCREEN));
        EXPECT_EQ(bmp.Height(), GetSystemMetrics(SM_CYSCREEN));
        const POINT centre = scene.windows.ChildCentre();
        EXPECT_EQ(bmp.Pixel(centre.x, centre.y), kRed);
        EXPECT_EQ(bmp.Pixel(205, 155), kBlue);
    }
}

TEST(HotKeyGrab, NumbersFollowTheHighestFileAndIgnoreOtherNames) {
    Scene scene;
    Running run;
    run.dir.WriteFile("screencap_001.bmp", "x");
    run.dir.WriteFile("screencap_007.bmp", "x");
    run.dir.WriteFile("screencap_abc.bmp", "x");
    run.dir.WriteFile("screencap_020.jpg", "x");  // another extension: ignored
    ASSERT_TRUE(run.Start(Ini(0, true)));
    PressAt(scene.windows.ChildCentre());
    Bmp bmp;
    ASSERT_TRUE(WaitForBmp(run.dir.FilePath("screencap_008.bmp"), bmp));
    PressAt(scene.windows.ChildCentre());
    ASSERT_TRUE(WaitForBmp(run.dir.FilePath("screencap_009.bmp"), bmp));
}

TEST(HotKeyGrab, NoDigitsWritesTheSameNameEveryTime) {
    Scene scene;
    Running run;
    ASSERT_TRUE(run.Start(Ini(0, true, "", "", "Dir=.\\\r\nName=screencap_\r\nDigits=0\r\n")));
    for (int press = 0; press < 2; ++press) {
        DeleteFileA(run.dir.FilePath("screencap_.bmp").c_str());
        PressAt(scene.windows.ChildCentre());
        Bmp bmp;
        ASSERT_TRUE(WaitForBmp(run.dir.FilePath("screencap_.bmp"), bmp));
    }
    Pump(300);
    EXPECT_EQ(run.dir.List().size(), 2u);  // Pixelnook.ini and screencap_.bmp
}

TEST(HotKeyGrab, LargestNumberInUseStoresNothingRatherThanWrap) {
    Scene scene;
    Running run;
    run.dir.WriteFile("screencap_2147483647.bmp", "x");
    ASSERT_TRUE(run.Start(Ini(0, true)));
    PressAt(scene.windows.ChildCentre());
    Pump(1500);
    EXPECT_EQ(run.dir.List().size(), 2u);  // nothing new, nothing overwritten
    Bmp bmp;
    EXPECT_FALSE(ReadWholeBmp(run.dir.FilePath("screencap_2147483647.bmp"), bmp));
}

TEST(HotKeyGrab, TooManyDigitsOrTooLongAPathStoresNothing) {
    Scene scene;
    for (const std::string& fileStore :
         {std::string("Dir=.\\\r\nName=screencap_\r\nDigits=12\r\n"),
          "Dir=.\\\r\nDigits=3\r\nName=" + std::string(250, 'n') + "\r\n"}) {
        Running run;
        ASSERT_TRUE(run.Start(Ini(0, true, "", "", fileStore)));
        PressAt(scene.windows.ChildCentre());
        Pump(1500);
        EXPECT_EQ(run.dir.List().size(), 1u);  // Pixelnook.ini alone
        EXPECT_TRUE(run.pixelnook.IsRunning());
    }
}

TEST(HotKeyGrab, TenByThreeGrabIsA174ByteBmp) {
    DialogWithChild tiny(300, 300, 60, 40, kBlue, 20, 15, 10, 3, kRed);
    Running run;
    ASSERT_TRUE(run.Start(Ini(0, true)));
    PressAt(tiny.ChildCentre());
    Bmp bmp;
    ASSERT_TRUE(WaitForBmp(run.dir.FilePath("screencap_001.bmp"), bmp));
    EXPECT_EQ(bmp.bytes.size(), 174u);
    EXPECT_EQ(bmp.U32(34), 120u);  // biSizeImage
    for (int32_t y = 0; y < 3; ++y) {
        for (int32_t x = 0; x < 10; ++x)
            EXPECT_EQ(bmp.Pixel(x, y), kRed) << x << ", " << y;
    }
}

TEST(ClipboardStore, APressWithStoreFileOffPutsTheBitmapOnTheClipboard) {
    Scene scene;
    Running run;
    ASSERT_TRUE(run.Start(Ini(0, false)));
    const DWORD sequence = GetClipboardSequenceNumber();
    PressAt(scene.windows.ChildCentre());
    ASSERT_TRUE(WaitUntil([&] {
        Pump(20);
        return GetClipboardSequenceNumber() != sequence && IsClipboardFormatAvailable(CF_BITMAP);
    }));
    Pump(300);
    // Under Wine 8 another process cannot read the pixels: the CF_BITMAP
    // handle stays the grabbing process's own and no CF_DIB is synthesized
    // across processes. The picture itself is checked in-process (the win
    // test ClipboardStore); here, that the clipboard holds Pixelnook's bitmap.
    HWND window = run.pixelnook.WaitForMainWindow();
    EXPECT_EQ(GetClipboardOwner(), window);
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));
    DWORD exitCode = 99;
    ASSERT_TRUE(run.pixelnook.Close(&exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_TRUE(run.dir.List().size() == 1u);  // no file besides Pixelnook.ini
}

TEST(HotKeyGrab, ShowCursorDrawsTheCursorAtItsPosition) {
    Scene scene;
    Running withCursor;
    ASSERT_TRUE(withCursor.Start(Ini(1, true, "", "ShowCursor=1\r\n")));
    const RECT client = scene.windows.ClientScreenRect();
    const POINT at = {client.left + 20, client.top + 20};
    PressAt(at);
    Bmp bmp;
    ASSERT_TRUE(WaitForBmp(withCursor.dir.FilePath("screencap_001.bmp"), bmp));
    // The cursor's pixels are opaque (alpha 255); the screen copy's are not.
    int opaque = 0, nearTip = 0, farAway = 0;
    for (int32_t y = 0; y < bmp.Height(); ++y) {
        for (int32_t x = 0; x < bmp.Width(); ++x) {
            if (bmp.Alpha(x, y) != 255)
                continue;
            ++opaque;
            if (abs(x - 20) <= 3 && abs(y - 20) <= 3)
                ++nearTip;
            if (x < 20 - 32 || y < 20 - 32 || x >= 20 + 32 || y >= 20 + 32)
                ++farAway;
        }
    }
    EXPECT_GT(opaque, 10);
    EXPECT_GT(nearTip, 0);
    EXPECT_EQ(farAway, 0);
    EXPECT_NE(bmp.Alpha(200, 150), 255);
}

TEST(HotKeyGrab, FillPaintsOutsideAnEllipticWindowOnWindows98) {
    ReportedVersion win98("win98");
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
    const COLORREF green = RGB(0, 255, 0);
    EXPECT_EQ(bmp.Pixel(0, 0), green);
    EXPECT_EQ(bmp.Pixel(199, 0), green);
    EXPECT_EQ(bmp.Pixel(0, 119), green);
    EXPECT_EQ(bmp.Pixel(199, 119), green);
    EXPECT_EQ(bmp.Pixel(100, 60), kBlue);
    EXPECT_EQ(bmp.Pixel(5, 60), kBlue);
}

TEST(MainWindowKeys, EscapeAndTheSystemMenuExitEndTheProgramWithZero) {
    const struct {
        UINT message;
        WPARAM wParam;
    } cases[] = {
        {WM_CHAR, 27},
        // Exit chosen from the system menu arrives as a system command.
        {WM_SYSCOMMAND, 40005},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        Running run;
        ASSERT_TRUE(run.Start(Ini(2, true)));
        PostMessageA(run.pixelnook.WaitForMainWindow(), c.message, c.wParam, 0);
        DWORD exitCode = 99;
        ASSERT_TRUE(run.pixelnook.WaitForExit(&exitCode));
        EXPECT_EQ(exitCode, 0u);
    }
}

TEST(HotKeyGrab, NoGdiHandleGrowthOver200Grabs) {
    HANDLE self = GetCurrentProcess();
    if (GetGuiResources(self, GR_GDIOBJECTS) == 0) {
        GTEST_SKIP() << "GetGuiResources reports no GDI objects here (not implemented by Wine)";
    }
    Scene scene;
    for (bool storeFile : {true, false}) {
        SCOPED_TRACE(storeFile);
        Running run;
        ASSERT_TRUE(run.Start(Ini(0, storeFile)));
        HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, run.pixelnook.Id());
        DWORD after10 = 0;
        for (int grab = 1; grab <= 200; ++grab) {
            const DWORD sequence = GetClipboardSequenceNumber();
            char name[32];
            snprintf(name, sizeof name, "screencap_%03d.bmp", grab);
            PressAt(scene.windows.ChildCentre());
            Bmp bmp;
            if (storeFile) {
                ASSERT_TRUE(WaitForBmp(run.dir.FilePath(name), bmp));
            } else {
                ASSERT_TRUE(WaitUntil([&] {
                    Pump(10);
                    return GetClipboardSequenceNumber() != sequence;
                }));
            }
            if (grab == 10)
                after10 = GetGuiResources(process, GR_GDIOBJECTS);
        }
        Pump(300);
        EXPECT_EQ(GetGuiResources(process, GR_GDIOBJECTS), after10);
        CloseHandle(process);
    }
}
