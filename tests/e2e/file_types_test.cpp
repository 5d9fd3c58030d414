// A person's grab into each file type the settings offer through GDI+, with
// the default quarter-size thumbnail, read back by ImageMagick.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/support/pixelnook_driver.h"
#include "tests/support/test_windows.h"
#include "tests/support/unix_shell.h"

using namespace e2e;
using testwin::DialogWithChild;
using testwin::Pump;

TEST(FileStore, EachFileTypeWithItsThumbnail) {
    // A 100 x 40 control under the mouse.
    DialogWithChild scene(200, 150, 320, 240, testwin::kBlue, 60, 50, 100, 40, testwin::kRed);
    // On Z:, so that ImageMagick finds the files under the same path.
    char folder[MAX_PATH];
    snprintf(folder, sizeof folder, "Z:\\tmp\\pixelnook-types-%lu", GetCurrentProcessId());
    CreateDirectoryA(folder, nullptr);
    for (const std::string ext : {"jpg", "gif", "png", "tif"}) {
        SCOPED_TRACE(ext);
        ScratchDir dir;
        PixelnookProcess pixelnook;
        ASSERT_TRUE(pixelnook.Start(dir,
                                    "[Properties]\r\nFirstTime=0\r\nSnapType=0\r\n"
                                    "[FileStore]\r\nDir=" +
                                        std::string(folder) + "\r\nExt=" + ext + "\r\n"));
        ASSERT_NE(pixelnook.WaitForMainWindow(), nullptr);
        SetCursorPos(scene.ChildCentre().x, scene.ChildCentre().y);
        Pump(200);
        PressKeys({VK_LWIN, VK_F10});
        const std::string picture = std::string(folder) + "\\screencap_001." + ext;
        const std::string thumbnail = std::string(folder) + "\\tscreencap_001." + ext;
        // The thumbnail is written after the picture.
        ASSERT_TRUE(WaitUntil([&] {
            Pump(20);
            return Exists(thumbnail);
        }));
        Pump(500);
        const std::string format = ext == "jpg"   ? "JPEG"
                                   : ext == "tif" ? "TIFF"
                                   : ext == "gif" ? "GIF"
                                                  : "PNG";
        EXPECT_EQ(RunShell("/usr/bin/identify -format '%m %w %h\\n' '" + UnixPath(picture) + "' '" +
                               UnixPath(thumbnail) + "'",
                           std::string(folder) + "\\identify.txt"),
                  format + " 100 40\n" + format + " 25 10\n");
        DeleteFileA(picture.c_str());
        DeleteFileA(thumbnail.c_str());
    }
    RemoveDirectoryA(folder);
}
