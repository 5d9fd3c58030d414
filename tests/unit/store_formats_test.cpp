#include "capture/store_formats.h"

#include <gtest/gtest.h>

#include <string>

namespace {

StoreFormatInputs Inputs() {
    StoreFormatInputs in;
    in.reduction = 4;
    in.quality = 60;
    in.compression = 2;
    in.transFill = true;
    in.fillColour = MakeColorref(1, 2, 3);
    in.alphaFilled = true;
    return in;
}

}  // namespace

TEST(StoreFormats, EachKnownExtensionGetsItsOwnOptions) {
    const Colorref c = MakeColorref(1, 2, 3);
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
        ASSERT_TRUE(GdiplusSaveOptionsFor(e.ext, Inputs(), o)) << e.ext;
        EXPECT_EQ(std::string(o.mimeType), e.mime) << e.ext;
        EXPECT_EQ(o.alphaFilled, e.alpha) << e.ext;
        EXPECT_EQ(o.reduction, e.reduction) << e.ext;
        EXPECT_EQ(o.quality, e.quality) << e.ext;
        EXPECT_EQ(o.compression, e.compression) << e.ext;
        EXPECT_EQ(o.transparent, e.transparent) << e.ext;
        EXPECT_EQ(o.colour, e.colour) << e.ext;
        EXPECT_EQ(o.gif, e.gif) << e.ext;
    }
}

TEST(StoreFormats, OtherExtensionsAreSavedByNobody) {
    for (const char* ext : {"BMP", "Png", "jpeg", "tiff", "", "bmp ", "txt"}) {
        GdiplusSaveOptions o;
        EXPECT_FALSE(GdiplusSaveOptionsFor(ext, Inputs(), o)) << ext;
        EXPECT_EQ(o.mimeType, nullptr);
    }
    GdiplusSaveOptions o;
    EXPECT_FALSE(GdiplusSaveOptionsFor(nullptr, Inputs(), o));
}
