// A person's grabs: the test's own windows under the mouse, Win+F10 pressed,
// and what Pixelnook stored read back: the clipboard, and picture and
// thumbnail as an FTP server received them. (The numbered BMP files Pixelnook
// writes itself without GDI+ are read back by the area grab.) (A server that is
// down, refuses or drops the transfer is the Windows tests' FtpUpload; the
// cursor and the background fill drawn into a grab are their HotKeyGrab.)
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/ftp_server.h"
#include "tests/support/pixelnook_driver.h"

using namespace e2e;

TEST(ClipboardStore, AGrabWithStoreFileOffGoesToTheClipboard) {
    Scene scene;
    BmpPixelnook run;
    ASSERT_TRUE(run.Start(QuietBmpIni("SnapType=1\r\nStoreFile=0\r\n")));
    const DWORD sequence = GetClipboardSequenceNumber();
    PressHotKeyAt(scene.ChildCentre());
    // Offered to other programs as the grab's bitmap and as a packed DIB. (That
    // it is the grab's own bitmap is the Windows tests' ClipboardStore.)
    ASSERT_TRUE(WaitUntil([&] {
        Pump(20);
        return GetClipboardSequenceNumber() != sequence && IsClipboardFormatAvailable(CF_BITMAP) &&
               IsClipboardFormatAvailable(CF_DIB) && OpenClipboard(nullptr);
    }));
    EXPECT_EQ(GetClipboardOwner(), run.pixelnook.WaitForMainWindow());
    // Pasted here, in another process: under Wine only a DIB placed as one
    // crosses (one made from the bitmap does not), of the client area's size.
    const RECT client = scene.ClientScreenRect();
    HGLOBAL memory = GetClipboardData(CF_DIB);
    const auto* dib = static_cast<const BITMAPINFOHEADER*>(GlobalLock(memory));
    ASSERT_NE(dib, nullptr);
    EXPECT_EQ(dib->biWidth, client.right - client.left);
    EXPECT_EQ(dib->biHeight, client.bottom - client.top);
    GlobalUnlock(memory);
    CloseClipboard();
    EXPECT_EQ(run.dir.List().size(), 1u);  // no file besides Pixelnook.ini
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
