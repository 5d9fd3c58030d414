// A full disk, for real: a second run of this test whose files may not grow
// beyond 512 bytes (ulimit -f 1, with SIGXFSZ ignored, so a write past the
// limit fails as on a full disk). What did not fit must be gone.
#include <gtest/gtest.h>

#include <cstdlib>

#include "capture/bmp_file_win.h"
#include "encode/gdiplus_available_win.h"
#include "tests/win/store_test_support.h"

using FullDisk = StoreTest;

TEST_F(FullDisk, WhatDoesNotFitIsRemoved) {
    if (getenv("PIXELNOOK_FULL_DISK") == nullptr) {
        const char* limit = "trap '' XFSZ; ulimit -f 1; PIXELNOOK_FULL_DISK=1";
        EXPECT_EQ(RunAgain(limit, "FullDisk.*", In("result")), "0\n") << "the limited run failed";
        return;
    }
    // The limited run: a small BMP fits (54 + 128 bytes), a large one does not,
    // from the own writer, then from GDI+ for picture and thumbnail.
    auto noise = [](int x, int y) { return x * 2654435761u + y; };
    for (int width : {8, 64}) {
        InstallPicture(grab, width, 4, noise);
        BitmapHeader header;
        ASSERT_TRUE(MakeBitmapInfo(grab.capturedImage.dibSection.Get(), header));
        const std::string path = In("own" + std::to_string(width) + ".bmp");
        const HDC dc = grab.capturedImage.memoryDc.Get();
        EXPECT_EQ(WriteBmpFile(path.c_str(), header, grab.capturedImage.dibSection.Get(), dc),
                  width == 8);
        EXPECT_EQ(Exists(path), width == 8) << path;
    }
    ASSERT_TRUE(IsGdiplusAvailable());
    InstallPicture(grab, 64, 48, noise);
    char picture[MAX_PATH] = "", thumbnail[MAX_PATH] = "";
    grab.StoreGrab(Settings("bmp"), false, picture, thumbnail);
    EXPECT_FALSE(Exists(picture)) << picture;
    EXPECT_FALSE(Exists(thumbnail)) << thumbnail;
}
