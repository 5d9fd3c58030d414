// A grab by the hot key with an FTP server set: picture and thumbnail arrive
// unchanged. (A server that is down, refuses or drops the transfer is the
// Windows tests' FtpUpload.)
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/ftp_server.h"
#include "tests/support/pixelnook_driver.h"
#include "tests/support/test_windows.h"

using namespace e2e;

namespace {

// PNG grabs with thumbnails, sent to the server's "incoming". The password
// "grab&send" as Windows 98 stores it: its bytes and a zero, in hex.
std::string Ini() {
    return IniAfterFirstRun(
        "SnapType=0\r\n", "Ext=png\r\n",
        std::string("[Upload]\r\nServer=") + ftp::kServer +
            "\r\nUser=pixelnook\r\nPassword=677261622673656e6400\r\nDir=incoming\r\n");
}

}  // namespace

TEST(FtpUploadAfterGrab, PictureAndThumbnailArriveAsStored) {
    CreateDirectoryA((ftp::Root() + "\\incoming").c_str(), nullptr);
    testwin::Scene scene;
    ScratchDir dir;
    PixelnookProcess pixelnook;
    ASSERT_TRUE(pixelnook.Start(dir, Ini()));
    ASSERT_NE(pixelnook.WaitForMainWindow(), nullptr);
    PressHotKeyAt(scene.ChildCentre());
    for (const char* name : {"screencap_001.png", "tscreencap_001.png"}) {
        std::string stored, received;
        EXPECT_TRUE(WaitUntil([&] {
            testwin::Pump(20);
            stored = FileBytes(dir.FilePath(name));
            received = FileBytes(ftp::Root() + "\\incoming\\" + name);
            return !stored.empty() && received == stored;
        })) << name
            << ": " << stored.size() << " bytes stored, " << received.size() << " received";
    }
}
