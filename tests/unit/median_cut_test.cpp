#include "imaging/median_cut.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <set>
#include <tuple>
#include <vector>

#include "tests/unit/imaging_test_support.h"

namespace {

using Rgb = std::array<int, 3>;

// Packed RGB bytes, each colour `times` times.
std::vector<uint8_t> Pixels(const std::vector<Rgb>& colours, int times = 1) {
    std::vector<uint8_t> rgb;
    for (const Rgb& c : colours) {
        for (int i = 0; i < times; ++i) {
            rgb.insert(rgb.end(), {uint8_t(c[0]), uint8_t(c[1]), uint8_t(c[2])});
        }
    }
    return rgb;
}

struct Quantized {
    Quantized(const std::vector<uint8_t>& rgb, int32_t colours, bool dithered = false,
              int32_t w = 0, int32_t h = 1)
        : indices(rgb.size() / 3, 0xEE) {
        w = w != 0 ? w : int32_t(rgb.size() / 3);
        count = QuantizeMedianCut(rgb.data(), colours, dithered, w, h, indices.data(), palette);
    }
    size_t EntriesUsed(size_t from, size_t to) const {
        return std::set<uint8_t>(indices.begin() + from, indices.begin() + to).size();
    }

    std::vector<uint8_t> indices;
    RgbEntry palette[256];
    int32_t count;
};

}  // namespace

TEST(MedianCut, SplitAxisRules) {
    // Three pixels, (0,0,0), (r,0,0) and (r,g,b); with two colours the one cut,
    // across the longest axis weighted red 2, green 3, blue 1 per unit, decides
    // which two share an entry.
    // r, g, b, and whether the first two pixels share the entry.
    const std::tuple<int, int, int, bool> cases[] = {
        {40, 28, 0, true},   // red 80 against green 84
        {84, 56, 0, true},   // 168 each: green wins the tie
        {44, 28, 0, false},  // red 88 against green 84
        {44, 0, 96, true},   // blue 96 against red 88
        {48, 0, 96, false},  // 96 each: red wins over blue
    };
    for (const auto& [r, g, b, firstTwoShare] : cases) {
        Quantized q(Pixels({{0, 0, 0}, {r, 0, 0}, {r, g, b}}), 2);
        EXPECT_EQ(q.indices[0] == q.indices[1], firstTwoShare) << r << " " << g;
        EXPECT_EQ(q.indices[1] == q.indices[2], !firstTwoShare) << r << " " << g;
    }
}

TEST(MedianCut, PopulationFirstThenVolume) {
    // A: six occupied cells close together (small volume). B: three cells on a
    // long blue line (few cells, large volume). The first cut (across red)
    // separates A from B.
    const std::vector<Rgb> colours = {
        {200, 0, 0}, {204, 0, 0}, {208, 0, 0}, {200, 4, 0}, {204, 4, 0},
        {208, 4, 0}, {0, 0, 0},   {0, 0, 128}, {0, 0, 248},
    };
    // Three colours: the second cut is by volume (2 x 2 > 3), so B is cut, A stays whole.
    Quantized three(Pixels(colours), 3);
    ASSERT_EQ(three.count, 3);
    EXPECT_EQ(three.EntriesUsed(0, 6), 1u);
    EXPECT_NE(three.indices[6], three.indices[7]);

    // Four colours: the second cut is by population (2 x 2 <= 4), so A is cut;
    // the third, by volume, then cuts B once, leaving its two upper cells together.
    Quantized four(Pixels(colours), 4);
    ASSERT_EQ(four.count, 4);
    EXPECT_EQ(four.EntriesUsed(0, 6), 2u);
    EXPECT_NE(four.indices[6], four.indices[7]);
    EXPECT_EQ(four.indices[7], four.indices[8]);
}

TEST(MedianCut, InverseMapIsTheNearestPaletteColour) {
    // For random images the index of every pixel is the nearest palette colour
    // to its cell's centre over the whole palette, by the weighted distance,
    // the lowest index winning a tie.
    for (uint32_t seed = 1; seed <= 6; ++seed) {
        std::mt19937 random(seed);
        std::vector<uint8_t> rgb(97 * 61 * 3);
        const uint32_t mask = seed % 2 == 0 ? 0xFF : 0xE7;  // some runs with gaps
        std::generate(rgb.begin(), rgb.end(), [&] { return uint8_t(random() & mask); });
        Quantized q(rgb, 256, false, 97, 61);
        for (size_t k = 0; k < q.indices.size(); ++k) {
            const int r = (rgb[3 * k] >> 2) * 4 + 2, g = (rgb[3 * k + 1] >> 2) * 4 + 2,
                      b = (rgb[3 * k + 2] >> 3) * 8 + 4;
            int best = 0, bestDistance = INT32_MAX;
            for (int i = 0; i < q.count; ++i) {
                const int dr = 2 * (r - q.palette[i].red), dg = 3 * (g - q.palette[i].green),
                          db = b - q.palette[i].blue, d = dr * dr + dg * dg + db * db;
                best = d < bestDistance ? i : best;
                bestDistance = std::min(d, bestDistance);
            }
            ASSERT_EQ(q.indices[k], best) << "seed " << seed << " pixel " << k;
        }
    }
}

TEST(MedianCut, DitherErrorSharesAndLimit) {
    // Sixteenths truncated toward zero; the 1/16 part takes the remainder.
    const std::array<int32_t, 5> shares[] = {
        {17, 7, 3, 5, 2}, {-17, -7, -3, -5, -2}, {15, 6, 2, 4, 3}, {0, 0, 0, 0, 0}};
    for (const auto& c : shares) {
        DitherShares s = SplitDitherError(c[0]);
        EXPECT_EQ((std::array<int32_t, 5>{c[0], s.ahead, s.belowBehind, s.below, s.belowAhead}), c);
    }
    // An error, and what a pixel receives of it.
    const std::tuple<int32_t, int32_t> limits[] = {
        {0, 0},   {15, 15},  {16, 16},   {17, 16},   {18, 17},   {46, 31},   {47, 31},
        {48, 32}, {255, 32}, {-15, -15}, {-17, -16}, {-47, -31}, {-48, -32}, {-400, -32}};
    for (const auto& [error, limited] : limits) {
        EXPECT_EQ(LimitDitherError(error), limited) << error;
    }
}

TEST(MedianCut, DitheringDrawsAMidGreyWithBothEntries) {
    // Mostly black and white, with a band of mid grey: the two entries are near
    // black and near white. Plain mapping gives the band one entry, dithering both.
    std::vector<uint8_t> rgb = Pixels({{0, 0, 0}, {255, 255, 255}}, 8 * 60);
    const std::vector<uint8_t> grey = Pixels({{126, 126, 124}}, 8 * 8);
    rgb.insert(rgb.end(), grey.begin(), grey.end());
    Quantized dithered(rgb, 2, true, 8, 128);
    ASSERT_EQ(dithered.count, 2);
    EXPECT_EQ(dithered.EntriesUsed(8 * 120, 8 * 128), 2u);
    EXPECT_EQ(Quantized(rgb, 2, false, 8, 128).EntriesUsed(8 * 120, 8 * 128), 1u);
}

TEST(MedianCut, WideSumsKeepTheMeanOfAHugeWhiteGrab) {
    // 17 million white pixels: 254 x 17M overflows a 32-bit sum.
    Quantized q(std::vector<uint8_t>(8500 * 2000 * 3, 255), 256, false, 8500, 2000);
    ASSERT_EQ(q.count, 1);
    EXPECT_EQ((Rgb{q.palette[0].red, q.palette[0].green, q.palette[0].blue}), (Rgb{254, 254, 252}));
}

TEST(MedianCut, ReductionSetsCountAndTheTransparentEntry) {
    TestImage image(3, 2);
    image.pixels = {0xFF000000u, 0xFFFFFFFFu, 0x00FF00FFu, 0xFFFFFFFFu, 0x00000000u, 0xFF000000u};
    TestIndices out(3, 2);
    PaletteBlock block = BlackBlock();
    ASSERT_TRUE(ReduceByMedianCut(image.View(), 0x00FF00FFu, true, false, out.View(), block));
    EXPECT_EQ(block.count, 3u);
    // The first alpha-0 pixel (magenta, index of its own cell) is the transparent one;
    // the later transparent black shares black's entry and stays opaque.
    EXPECT_EQ(block.entries[out.At(2, 0)], 0x00FF00FFu);
    EXPECT_EQ(block.entries[out.At(0, 0)], 0xFF020204u);
    EXPECT_EQ(out.At(1, 1), out.At(0, 0));
    EXPECT_EQ(block.entries[out.At(1, 0)], 0xFFFEFEFCu);

    PaletteBlock small = BlackBlock();
    small.count = 2;  // never more than the block had, and all opaque without transparency
    ASSERT_TRUE(ReduceByMedianCut(image.View(), 0x00FF00FFu, false, false, out.View(), small));
    EXPECT_EQ(small.count, 2u);
    EXPECT_EQ(AlphaOf(small.entries[0]) & AlphaOf(small.entries[1]), 255u);
}

TEST(MedianCut, ReductionFollowsPaddedAndBottomUpRows) {
    // A GDI+ lock of an 8-bit bitmap 5 pixels wide has rows of 8 bytes; a
    // bottom-up source has a negative stride with Scan0 at its last row in
    // memory. Every pixel is its own cell's centre, so each entry is exactly
    // the pixel's colour and dithering has no error to spread.
    TestImage image(5, 3);
    for (int32_t y = 0; y < 3; ++y) {
        for (int32_t x = 0; x < 5; ++x) {
            image.At(x, y) = MakeArgb(255, 4 * (10 * x + y) + 2, 4 * y + 2, 8 * x + 4);
        }
    }
    for (int layout = 0; layout < 8; ++layout) {
        const ArgbView in = layout & 1 ? BottomUp(image.View()) : image.View();
        TestIndices out(layout & 4 ? 8 : 5, 3);  // the padding stays 0xEE
        PaletteBlock block = BlackBlock();
        ASSERT_TRUE(ReduceByMedianCut(in, 0x00FF00FFu, false, layout & 2,
                                      IndexView{5, 3, out.width, out.pixels.data()}, block));
        for (int32_t y = 0; y < 3; ++y) {
            for (int32_t x = 0; x < out.width; ++x) {
                EXPECT_EQ(x < 5 ? block.entries[out.At(x, y)] : out.At(x, y),
                          x < 5 ? in.Row(y)[x] : 0xEEu)
                    << layout << ": " << x << "," << y;
            }
        }
    }
}
