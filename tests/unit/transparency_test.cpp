#include "imaging/transparency.h"

#include <gtest/gtest.h>

#include <tuple>

#include "tests/unit/imaging_test_support.h"

TEST(Transparency, ColourKeyTakesOnlyExactMatches) {
    // Fill colour, pixel, and the pixel after keying.
    const std::tuple<Colorref, Argb, Argb> cases[] = {
        {0x00FF00FFu, 0xFFFF00FFu, 0x00FF00FFu}, {0x00FF00FFu, 0xFFFE00FFu, 0xFFFE00FFu},
        {0x00FF00FFu, 0x80FF00FFu, 0x80FF00FFu},  // only opaque pixels are keyed
        {0x000000FFu, 0xFFFF0000u, 0x00FF0000u},  // COLORREF red is ARGB red
        {0x000000FFu, 0xFF0000FFu, 0xFF0000FFu},
    };
    for (const auto& [fill, pixel, expected] : cases) {
        TestImage keyed(2, 2, 0xFF010203u);
        keyed.At(1, 1) = pixel;
        TestImage withoutDib = keyed;
        MakeColorTransparent(keyed.View(), fill);
        EXPECT_EQ(keyed.At(1, 1), expected) << std::hex << pixel;
        // Without addressable DIB pixels the captured alpha is this same key.
        ApplyCapturedAlpha(withoutDib.View(), fill, nullptr, 0);
        EXPECT_EQ(withoutDib.pixels, keyed.pixels);
    }
}

TEST(Transparency, CapturedAlphaComesFromTheBottomUpDib) {
    // DIB rows padded to 16 bytes, the last image row first; only byte 3 counts.
    const uint8_t dib[32] = {0x77, 1, 2, 10,  0x77, 1, 2, 10,  0x77, 1, 2, 10,  9, 9, 9, 9,
                             0x77, 1, 2, 128, 0x77, 1, 2, 128, 0x77, 1, 2, 128, 9, 9, 9, 9};
    TestImage image(3, 2, 0xFF102030u);
    ApplyCapturedAlpha(image.View(), 0x00FF00FFu, dib, 16);
    EXPECT_EQ(image.pixels, (std::vector<Argb>{0x80102030u, 0x80102030u, 0x80102030u, 0x0A102030u,
                                               0x0A102030u, 0x0A102030u}));
}
