// The grab's pixels as GDI+ images: read where they lie in the DIB section,
// in the same picture GDI+'s own copy gives. (That a store never changes the
// grab shows in the watermark store test: a mark left in the grab would
// show in the stores after it.)
#include <cstdint>
#include <utility>
#include <vector>

#include "base/handles_win.h"
#include "encode/gdiplus_image_win.h"
#include "encode/gdiplus_api_win.h"
#include "encode/gdiplus_available_win.h"
#include "tests/win/store_test_support.h"

namespace {

// GDI+ started for each test.
class GrabPixels : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(IsGdiplusAvailable());
        const gdip::GdiplusStartupInput input;
        ASSERT_EQ(Gdip().GdiplusStartup(&token_, &input, nullptr), gdip::Ok);
    }
    void TearDown() override { Gdip().GdiplusShutdown(token_); }

private:
    ULONG_PTR token_ = 0;
};

// A bottom-up DIB section and its pixels.
std::pair<HBITMAP, uint32_t*> MakeSection(int width, int height) {
    BITMAPINFO info = {{sizeof info.bmiHeader, width, height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    return {section, static_cast<uint32_t*>(bits)};
}

// The image's pixels as 0xAARRGGBB, top row first.
std::vector<uint32_t> Pixels(GdipImage& image) {
    std::vector<uint32_t> pixels;
    LockedBits bits(image, gdip::ImageLockModeRead, kFormatArgb);
    for (int y = 0; bits && y < bits.Argb().height; ++y)
        pixels.insert(pixels.end(), bits.Argb().Row(y), bits.Argb().Row(y) + bits.Argb().width);
    return pixels;
}

}  // namespace

TEST_F(GrabPixels, ViewShowsTheSectionAsGdiplusCopiesItAndReadsItsMemory) {
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
    EXPECT_EQ(Pixels(*view), topDown);
    EXPECT_EQ(Pixels(*copy), topDown);
    bits[0] = 0x00ABCDEF;  // the view has no pixels of its own
    EXPECT_EQ(Pixels(*view).at(3), 0xFFABCDEFu);
}
