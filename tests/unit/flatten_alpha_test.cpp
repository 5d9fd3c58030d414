#include "imaging/flatten_alpha.h"

#include <gtest/gtest.h>

#include <vector>

TEST(FlattenAlpha, CompositesOverTheFillColour) {
    const struct {
        uint8_t b, g, r, a;
        Colorref fill;
        uint8_t eb, eg, er;
    } cases[] = {
        {200, 100, 50, 128, MakeColorref(255, 0, 0), 100, 50, 152},
        {1, 2, 3, 0, MakeColorref(9, 8, 7), 7, 8, 9},                   // alpha 0: the fill colour
        {1, 2, 3, 255, MakeColorref(9, 8, 7), 1, 2, 3},                 // alpha 255: unchanged
        {100, 100, 100, 128, MakeColorref(100, 100, 100), 99, 99, 99},  // two floors lose one
    };
    for (const auto& c : cases) {
        std::vector<uint8_t> bits = {c.b, c.g, c.r, c.a, c.b, c.g, c.r, c.a};
        FlattenAlpha({2, 1, 8, bits.data()}, c.fill);
        EXPECT_EQ(bits, (std::vector<uint8_t>{c.eb, c.eg, c.er, 255, c.eb, c.eg, c.er, 255}));
    }
}

TEST(FlattenAlpha, AnyAlphaFindsASingleTranslucentPixel) {
    std::vector<Argb> pixels(5 * 3, 0x00808080u);
    uint8_t* bits = reinterpret_cast<uint8_t*>(pixels.data());
    EXPECT_FALSE(HasAnyAlpha({5, 3, 20, bits}));
    pixels.back() = 0x01808080u;  // the very last pixel
    EXPECT_TRUE(HasAnyAlpha({5, 3, 20, bits}));
    EXPECT_FALSE(HasAnyAlpha({0, 3, 20, bits}));
    EXPECT_FALSE(HasAnyAlpha({5, 3, 20, nullptr}));
}
