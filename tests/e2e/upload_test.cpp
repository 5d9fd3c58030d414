// A grab by the hot key with an FTP server set: picture and thumbnail arrive
// unchanged. (A server that is down, refuses or drops the transfer is the
// Windows tests' FtpUpload.)
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/ftp_server.h"
#include "tests/support/pixelnook_driver.h"

using namespace e2e;

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
