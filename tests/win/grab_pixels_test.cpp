// The grab's pixels as GDI+ images: read where they lie in the DIB section,
// in the same picture GDI+'s own copy gives. (That a store never changes the
// grab shows in the watermark store test: a mark left in the grab would
// show in the stores after it.)
#include "base/handles_win.h"
#include "encode/gdiplus_available_win.h"
#include "tests/win/store_test_support.h"

TEST(GrabPixels, ViewShowsTheSectionAsGdiplusCopiesItAndReadsItsMemory) {
    ASSERT_TRUE(IsGdiplusAvailable());
    GdiplusStarted gdiplus;
    ASSERT_TRUE(gdiplus.ok);
    // A grab's rows are bottom-up: the bottom row first in memory. The fourth
    // byte (0x7F here, 0 in a screen copy) is no alpha in either image.
    const std::vector<uint32_t> topDown = {0xFF000003, 0xFF000004, 0xFF000005,
                                           0xFF000000, 0xFF000001, 0xFF000002};
    auto [section, bits] = MakeSection(3, 2);
    ASSERT_NE(section, nullptr);
    GdiObject<HBITMAP> owner(section);
    for (uint32_t i = 0; i < 6; ++i)
        bits[i] = 0x7F000000 | i;
    ImagePtr view = ImageOverDibSection(section);
    ImagePtr copy = ImageFromBitmap(section);
    ASSERT_TRUE(view && copy);
    EXPECT_EQ(ArgbPixels(*view), topDown);
    EXPECT_EQ(ArgbPixels(*copy), topDown);
    bits[0] = 0x00ABCDEF;  // the view has no pixels of its own
    EXPECT_EQ(ArgbPixels(*view).at(3), 0xFFABCDEFu);
}
