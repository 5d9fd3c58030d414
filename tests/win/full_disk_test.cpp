// A full disk, for real: a second run of this test program whose files may
// not grow beyond 512 bytes (ulimit -f 1, with SIGXFSZ ignored, so a write
// past the limit fails as on a full disk). What did not fit must be gone.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "capture/bmp_file_win.h"
#include "capture/gdiplus_available_win.h"
#include "tests/win/store_test_support.h"

namespace {

constexpr char kChildVariable[] = "PIXELNOOK_FULL_DISK_FOLDER";
// The Wine tests run the x86_64 build under this loader (tests/support/wine-session).
constexpr char kWineLoader[] = "/usr/lib/wine/wine64";

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// In the limited run: a small BMP fits, a large one (own writer, then GDI+ for
// picture and thumbnail) does not and leaves nothing.
void WriteIntoAFullDisk(const std::string& folder) {
    GrabSettings appSettings(true);
    TrayIcon tray;
    ScreenGrab grab(appSettings, tray);
    for (int width : {8, 64}) {
        InstallPicture(grab, width, 4,
                       [](int x, int y) { return 0xFF000000u | (x * 2654435761u + y); });
        BitmapHeader header;
        ASSERT_TRUE(MakeBitmapInfo(grab.capturedImage.dibSection.Get(), header));
        const std::string path = folder + "\\own" + std::to_string(width) + ".bmp";
        const bool fits = width == 8;  // 54 + 128 bytes
        EXPECT_EQ(WriteBmpFile(path.c_str(), header, grab.capturedImage.dibSection.Get(),
                               grab.capturedImage.memoryDc.Get()),
                  fits);
        EXPECT_EQ(Exists(path), fits) << path;
    }
    ASSERT_TRUE(IsGdiplusAvailable());
    InstallPicture(grab, 64, 48, [](int x, int y) { return 0xFF000000u | (x * 2654435761u + y); });
    GrabSettings s(true);
    snprintf(s.FileStore.Dir, sizeof s.FileStore.Dir, "%s", folder.c_str());
    snprintf(s.FileStore.Ext, sizeof s.FileStore.Ext, "bmp");
    char picture[MAX_PATH] = "";
    char thumbnail[MAX_PATH] = "";
    grab.StoreGrab(s, false, picture, thumbnail);
    EXPECT_FALSE(Exists(picture));
    EXPECT_FALSE(Exists(thumbnail));
    grab.ReleaseGrab();
}

}  // namespace

TEST(FullDisk, WhatDoesNotFitIsRemoved) {
    if (const char* folder = getenv(kChildVariable)) {
        WriteIntoAFullDisk(folder);
        return;
    }
    const std::string folder = "Z:\\tmp\\pixelnook-full-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    char program[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, program, sizeof program);
    const std::string code =
        RunShell("trap '' XFSZ; ulimit -f 1; " + std::string(kChildVariable) + "='" + folder +
                     "' " + kWineLoader + " '" + UnixPath(program) +
                     "' --gtest_filter=FullDisk.* >/dev/null 2>&1; echo $?",
                 folder + "\\result");
    EXPECT_EQ(code, "0\n") << "the limited run failed (or never finished)";
    DeleteFileA((folder + "\\own8.bmp").c_str());
    RemoveDirectoryA(folder.c_str());
}
