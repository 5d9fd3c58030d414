// A grab by the hot key with an FTP server set: picture and thumbnail arrive unchanged.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/ftp_server.h"
#include "tests/support/pixelnook_driver.h"
#include "tests/support/test_windows.h"

using namespace e2e;

TEST(FtpUploadAfterGrab, PictureAndThumbnailArriveAsStored) {
    CreateDirectoryA((ftp::Root() + "\\incoming").c_str(), nullptr);
    testwin::DialogWithChild scene(200, 150, 320, 240, testwin::kBlue, 60, 50, 100, 40,
                                   testwin::kRed);
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
    testwin::Pump(200);
    PressKeys({VK_LWIN, VK_F10});
    for (const char* name : {"screencap_001.png", "tscreencap_001.png"}) {
        std::string stored, received;
        EXPECT_TRUE(WaitUntil([&] {
            testwin::Pump(20);
            stored = ftp::ReadFile(dir.FilePath(name));
            received = ftp::ReadFile(ftp::Root() + "\\incoming\\" + name);
            return !stored.empty() && received == stored;
        })) << name
            << ": " << stored.size() << " bytes stored, " << received.size() << " received";
    }
}
