#include "capture/store_formats.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

// reduction, quality, compression, transFill, fillColour, alphaFilled
const StoreFormatInputs kInputs{4, 60, 2, true, MakeColorref(1, 2, 3), true};

}  // namespace

TEST(StoreFormats, EachKnownExtensionGetsItsOwnOptions) {
    const Colorref c = kInputs.fillColour;
    const struct {
        const char* ext;
        const char* mime;
        bool alpha;
        int32_t reduction, quality, compression;
        bool transparent;
        Colorref colour;
        bool gif;
    } cases[] = {
        {"bmp", "image/bmp", false, 0, 100, 0, false, 0, false},
        {"gif", "image/gif", false, 4, 100, 0, true, c, true},
        {"jpg", "image/jpeg", false, 0, 60, 0, false, 0, false},
        {"png", "image/png", true, 0, 100, 0, true, c, false},
        {"tif", "image/tiff", true, 0, 100, 2, true, c, false},
    };
    for (const auto& e : cases) {
        GdiplusSaveOptions o;
        ASSERT_TRUE(GdiplusSaveOptionsFor(e.ext, kInputs, o)) << e.ext;
        EXPECT_EQ(std::make_tuple(std::string(o.mimeType), o.alphaFilled, o.reduction, o.quality,
                                  o.compression, o.transparent, o.colour, o.gif),
                  std::make_tuple(std::string(e.mime), e.alpha, e.reduction, e.quality,
                                  e.compression, e.transparent, e.colour, e.gif))
            << e.ext;
    }
}

TEST(StoreFormats, OtherExtensionsAreSavedByNobody) {
    for (const char* ext :
         {"BMP", "Png", "jpeg", "tiff", "", "bmp ", "txt", static_cast<const char*>(nullptr)}) {
        GdiplusSaveOptions o;
        EXPECT_FALSE(GdiplusSaveOptionsFor(ext, kInputs, o)) << (ext ? ext : "null");
        EXPECT_EQ(o.mimeType, nullptr);
    }
}
