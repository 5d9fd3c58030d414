// A grab put on the clipboard read by another process, as a person pasting it
// into another program would: under Wine only the packed DIB crosses.
#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>

#include "tests/win/store_test_support.h"

using ClipboardPaste = StoreTest;

TEST_F(ClipboardPaste, AnotherProcessReadsTheGrabAsDib) {
    if (getenv("PIXELNOOK_CLIPBOARD_READER") == nullptr) {
        // Top half red, bottom half blue.
        InstallPicture(grab, 10, 6, [](int, int y) { return y < 3 ? 0xFF0000u : 0x0000FFu; });
        GrabSettings s = Settings("bmp");
        s.Properties.StoreFile = false;
        ASSERT_TRUE(grab.StoreGrab(s, false, nullptr, nullptr));
        grab.ReleaseGrab();
        EXPECT_EQ(RunAgain("PIXELNOOK_CLIPBOARD_READER=1", "ClipboardPaste.*", In("result")), "0\n")
            << "the reading process failed";
        return;
    }
    ASSERT_TRUE(OpenClipboard(nullptr));
    HGLOBAL memory = GetClipboardData(CF_DIB);
    const auto* header = static_cast<const BITMAPINFOHEADER*>(GlobalLock(memory));
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(
        std::make_tuple(header->biSize, header->biWidth, header->biHeight, header->biBitCount),
        std::make_tuple(40ul, 10l, 6l, WORD{32}));
    ASSERT_GE(GlobalSize(memory), 40u + 10 * 6 * 4u);
    const auto* pixels = reinterpret_cast<const uint32_t*>(header + 1);
    EXPECT_EQ(pixels[0] & 0xFFFFFF, 0x0000FFu);           // bottom row blue
    EXPECT_EQ(pixels[10 * 6 - 1] & 0xFFFFFF, 0xFF0000u);  // top row red
    GlobalUnlock(memory);
    CloseClipboard();
}
