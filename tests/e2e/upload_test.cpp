// Grabs by the hot key with an FTP server set: picture and thumbnail arrive
// unchanged; with the server down the grab stays whole and the next one works.
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
std::string Ini(const char* server) {
    return std::string(
               "[Properties]\r\nFirstTime=0\r\nSnapType=0\r\n"
               "[FileStore]\r\nDir=.\\\r\nExt=png\r\n"
               "[Upload]\r\nServer=") +
           server + "\r\nUser=pixelnook\r\nPassword=677261622673656e6400\r\nDir=incoming\r\n";
}

// The PNG signature first and the end chunk last.
bool WholePng(const std::string& bytes) {
    return bytes.size() > 20 && bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") == 0 &&
           bytes.compare(bytes.size() - 8, 8, "IEND\xae\x42\x60\x82") == 0;
}

}  // namespace

TEST(FtpUploadAfterGrab, PictureAndThumbnailArriveAsStored) {
    CreateDirectoryA((ftp::Root() + "\\incoming").c_str(), nullptr);
    testwin::Scene scene;
    ScratchDir dir;
    PixelnookProcess pixelnook;
    ASSERT_TRUE(pixelnook.Start(dir, Ini(ftp::kServer)));
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

TEST(FtpUploadAfterGrab, WithTheServerDownGrabsAreKeptAndTheNextOneWorks) {
    testwin::Scene scene;
    ScratchDir dir;
    PixelnookProcess pixelnook;
    ASSERT_TRUE(pixelnook.Start(dir, Ini(ftp::kNoServer)));
    ASSERT_NE(pixelnook.WaitForMainWindow(), nullptr);
    const char* const names[] = {"screencap_001.png", "tscreencap_001.png", "screencap_002.png",
                                 "tscreencap_002.png"};
    for (int grab = 0; grab < 2; ++grab) {
        PressHotKeyAt(scene.ChildCentre());
        for (const char* name : {names[2 * grab], names[2 * grab + 1]}) {
            EXPECT_TRUE(WaitUntil([&] {
                testwin::Pump(20);
                return WholePng(FileBytes(dir.FilePath(name)));
            })) << name;
        }
    }
    // The first grab's upload was over before the second grab began.
    for (const char* name : {names[0], names[1]})
        EXPECT_TRUE(WholePng(FileBytes(dir.FilePath(name)))) << name;
    EXPECT_EQ(pixelnook.Find("#32770"), nullptr);  // no message
}
