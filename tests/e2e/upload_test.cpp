// A person's grab with an FTP server set in the Upload section: the picture
// and its thumbnail arrive on the server (tests/support/ftp-server) unchanged.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/ftp_server.h"
#include "tests/support/pixelnook_driver.h"
#include "tests/support/test_windows.h"

using namespace e2e;
using testwin::DialogWithChild;
using testwin::Pump;

TEST(FtpUploadAfterGrab, PictureAndThumbnailArriveAsStored) {
    ASSERT_FALSE(ftp::ServerDir().empty()) << "PIXELNOOK_FTP_SERVER is not set";
    const std::string incoming = ftp::Root() + "\\incoming";
    CreateDirectoryA(incoming.c_str(), nullptr);
    DialogWithChild scene(200, 150, 320, 240, testwin::kBlue, 60, 50, 100, 40, testwin::kRed);
    ScratchDir dir;
    PixelnookProcess pixelnook;
    // The password "grab&send" as Windows 98 stores it: its bytes and a zero, in hex.
    ASSERT_TRUE(pixelnook.Start(dir,
                                "[Properties]\r\nFirstTime=0\r\nSnapType=0\r\n"
                                "[FileStore]\r\nDir=.\\\r\nExt=png\r\n"
                                "[Upload]\r\nServer=127.0.0.1\r\nUser=pixelnook\r\n"
                                "Password=677261622673656e6400\r\nDir=incoming\r\n"));
    ASSERT_NE(pixelnook.WaitForMainWindow(), nullptr);
    SetCursorPos(scene.ChildCentre().x, scene.ChildCentre().y);
    Pump(200);
    PressKeys({VK_LWIN, VK_F10});

    for (const char* name : {"screencap_001.png", "tscreencap_001.png"}) {
        SCOPED_TRACE(name);
        const std::string local = dir.FilePath(name);
        const std::string remote = incoming + "\\" + name;
        std::string stored, received;
        EXPECT_TRUE(WaitUntil([&] {
            Pump(20);
            stored = ftp::ReadFile(local);
            received = ftp::ReadFile(remote);
            return !stored.empty() && received == stored;
        })) << stored.size()
            << " bytes stored, " << received.size() << " received";
        DeleteFileA(remote.c_str());
    }
}
