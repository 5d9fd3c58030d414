#include "imaging/transparency.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/unit/imaging_test_support.h"

TEST(Transparency, ColourKeyTakesOnlyExactMatches) {
    const struct {
        Colorref fill;
        Argb pixel, expected;
    } cases[] = {
        {0x00FF00FFu, 0xFFFF00FFu, 0x00FF00FFu}, {0x00FF00FFu, 0xFFFE00FFu, 0xFFFE00FFu},
        {0x00FF00FFu, 0x80FF00FFu, 0x80FF00FFu},  // only opaque pixels are keyed
        {0x000000FFu, 0xFFFF0000u, 0x00FF0000u},  // COLORREF red is ARGB red
        {0x000000FFu, 0xFF0000FFu, 0xFF0000FFu},
    };
    for (const auto& c : cases) {
        TestImage image(2, 2, 0xFF010203u);
        image.At(1, 1) = c.pixel;
        MakeColorTransparent(image.View(), c.fill);
        EXPECT_EQ(image.At(1, 1), c.expected) << std::hex << c.pixel;
        EXPECT_EQ(image.At(0, 0), 0xFF010203u);
    }
}

TEST(Transparency, CapturedAlphaComesFromTheBottomUpDib) {
    const int32_t w = 3, h = 2, dibStride = 16;  // DIB rows padded to 16 bytes
    std::vector<uint8_t> dib(size_t(dibStride) * h, 0);
    auto setAlpha = [&](int32_t dibRow, int32_t x, uint8_t a) {
        dib[size_t(dibRow) * dibStride + 4 * size_t(x) + 3] = a;
        dib[size_t(dibRow) * dibStride + 4 * size_t(x)] = 0x77;  // colour bytes are ignored
    };
    for (int32_t x = 0; x < w; ++x) {
        setAlpha(0, x, 10);   // the last image row
        setAlpha(1, x, 128);  // the first image row
    }
    TestImage image(w, h, 0xFF102030u);
    ApplyCapturedAlpha(image.View(), 0x00FF00FFu, dib.data(), dibStride);
    EXPECT_EQ(image.At(0, 0), 0x80102030u);
    EXPECT_EQ(image.At(2, 1), 0x0A102030u);
}

TEST(Transparency, WithoutDibPixelsTheFillColourIsKeyed) {
    TestImage image(2, 1);
    image.pixels = {0xFFFF00FFu, 0xFF00FF00u};
    ApplyCapturedAlpha(image.View(), 0x00FF00FFu, nullptr, 0);
    EXPECT_EQ(image.pixels, (std::vector<Argb>{0x00FF00FFu, 0xFF00FF00u}));
}
