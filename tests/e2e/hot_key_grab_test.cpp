// A person's grabs: the test's own windows under the mouse, Win+F10 pressed,
// and what Pixelnook stored read back: numbered BMP files (Pixelnook started
// as on a system without GDI+, which writes BMP itself), the clipboard, and
// picture and thumbnail as an FTP server received them. (A server that is
// down, refuses or drops the transfer is the Windows tests' FtpUpload.)
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/ftp_server.h"
#include "tests/support/pixelnook_driver.h"

using namespace e2e;

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
    }
}

TEST(ClipboardStore, AGrabWithStoreFileOffGoesToTheClipboard) {
    Scene scene;
    BmpPixelnook run;
    ASSERT_TRUE(run.Start(QuietBmpIni("SnapType=1\r\nStoreFile=0\r\n")));
    const DWORD sequence = GetClipboardSequenceNumber();
    PressHotKeyAt(scene.ChildCentre());
    // Offered to other programs: under Wine only the packed DIB crosses. (That
    // it is the grab's own bitmap is the Windows tests' ClipboardStore.)
    ASSERT_TRUE(WaitUntil([&] {
        Pump(20);
        return GetClipboardSequenceNumber() != sequence && IsClipboardFormatAvailable(CF_BITMAP) &&
               IsClipboardFormatAvailable(CF_DIB);
    }));
    EXPECT_EQ(GetClipboardOwner(), run.pixelnook.WaitForMainWindow());
    EXPECT_EQ(run.dir.List().size(), 1u);  // no file besides Pixelnook.ini
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
    // all within a cursor's size of the tip, which is where the mouse was.
    // (Their colours and placing by the hotspot are the unit tests'.)
    int opaque = 0, outside = 0, nearTip = 0;
    for (int32_t y = 0; y < bmp.Height(); ++y) {
        for (int32_t x = 0; x < bmp.Width(); ++x) {
            if (bmp.Argb(x, y) >> 24 != 0xFF)
                continue;
            ++opaque;
            outside += abs(x - 20) >= GetSystemMetrics(SM_CXCURSOR) ||
                       abs(y - 20) >= GetSystemMetrics(SM_CYCURSOR);
            nearTip += abs(x - 20) <= 2 && abs(y - 20) <= 2;
        }
    }
    EXPECT_GT(opaque, 10);
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

TEST(FtpUploadAfterGrab, PictureAndThumbnailArriveAsStored) {
    CreateDirectoryA((ftp::Root() + "\\incoming").c_str(), nullptr);
    Scene scene;
    ScratchDir dir;
    PixelnookProcess pixelnook;
    // PNG grabs with thumbnails, sent to the server's "incoming". The password
    // "grab&send" as Windows 98 stores it: its bytes and a zero, in hex.
    ASSERT_TRUE(pixelnook.Start(
        dir, IniAfterFirstRun(
                 "SnapType=0\r\n", "Ext=png\r\n",
                 std::string("[Upload]\r\nServer=") + ftp::kServer +
                     "\r\nUser=pixelnook\r\nPassword=677261622673656e6400\r\nDir=incoming\r\n")));
    ASSERT_NE(pixelnook.WaitForMainWindow(), nullptr);
    PressHotKeyAt(scene.ChildCentre());
    for (const char* name : {"screencap_001.png", "tscreencap_001.png"}) {
        std::string stored, received;
        EXPECT_TRUE(WaitUntil([&] {
            Pump(20);
            stored = FileBytes(dir.FilePath(name));
            received = FileBytes(ftp::Root() + "\\incoming\\" + name);
            return !stored.empty() && received == stored;
        })) << name
            << ": " << stored.size() << " bytes stored, " << received.size() << " received";
    }
}
