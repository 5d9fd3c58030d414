#include "imaging/median_cut.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <set>
#include <vector>

#include "tests/unit/imaging_test_support.h"

namespace {

struct Quantized {
    int32_t count = 0;
    std::vector<uint8_t> indices;
    RgbEntry palette[256];
};

Quantized Quantize(const std::vector<uint8_t>& rgb, int32_t w, int32_t h, int32_t colours,
                   bool dithered) {
    Quantized q;
    q.indices.assign(size_t(w) * size_t(h), 0xEE);
    q.count = QuantizeMedianCut(rgb.data(), colours, dithered, w, h, q.indices.data(), q.palette);
    return q;
}

std::vector<uint8_t> Pixels(std::initializer_list<std::array<uint8_t, 3>> colours) {
    std::vector<uint8_t> rgb;
    for (const auto& c : colours) {
        rgb.insert(rgb.end(), c.begin(), c.end());
    }
    return rgb;
}

bool Same(const RgbEntry& e, int r, int g, int b) {
    return e.red == r && e.green == g && e.blue == b;
}

}  // namespace

TEST(MedianCut, SingleColourGivesTheCellCentre) {
    const struct {
        uint8_t r, g, b;
        int er, eg, eb;
    } cases[] = {
        {252, 100, 7, 254, 102, 4},
        {255, 103, 0, 254, 102, 4},
        {0, 0, 255, 2, 2, 252},
    };
    for (const auto& c : cases) {
        std::vector<uint8_t> rgb;
        for (int i = 0; i < 20; ++i) {
            rgb.insert(rgb.end(), {c.r, c.g, c.b});
        }
        Quantized q = Quantize(rgb, 5, 4, 256, false);
        ASSERT_EQ(q.count, 1);
        EXPECT_TRUE(Same(q.palette[0], c.er, c.eg, c.eb))
            << int(q.palette[0].red) << "," << int(q.palette[0].green) << ","
            << int(q.palette[0].blue);
        for (uint8_t i : q.indices) {
            EXPECT_EQ(i, 0);
        }
    }
}

TEST(MedianCut, FewCellsGiveOneEntryPerCell) {
    std::vector<uint8_t> rgb =
        Pixels({{0, 0, 0}, {1, 2, 3}, {100, 0, 0}, {0, 100, 0}, {0, 0, 100}});
    Quantized q = Quantize(rgb, 5, 1, 256, false);
    ASSERT_EQ(q.count, 4);  // the first two share a cell
    std::set<std::array<int, 3>> colours;
    for (int i = 0; i < q.count; ++i) {
        colours.insert({q.palette[i].red, q.palette[i].green, q.palette[i].blue});
    }
    EXPECT_EQ(colours,
              (std::set<std::array<int, 3>>{{2, 2, 4}, {102, 2, 4}, {2, 102, 4}, {2, 2, 100}}));
    EXPECT_EQ(q.indices[0], q.indices[1]);
}

TEST(MedianCut, SplitAxisRules) {
    // Three pixels: cells (0,0,0), (R,0,0) and (R,G,0). With two colours the one
    // cut decides which two of them share an entry.
    const struct {
        int redCells, greenCells;
        bool acrossGreen;
        const char* what;
    } cases[] = {
        {10, 7, true, "red 80 against green 84"},
        {21, 14, true, "168 each: green wins the tie"},
        {11, 7, false, "red 88 against green 84"},
    };
    for (const auto& c : cases) {
        uint8_t r = uint8_t(c.redCells * 4), g = uint8_t(c.greenCells * 4);
        std::vector<uint8_t> rgb = Pixels({{0, 0, 0}, {r, 0, 0}, {r, g, 0}});
        Quantized q = Quantize(rgb, 3, 1, 2, false);
        ASSERT_EQ(q.count, 2) << c.what;
        if (c.acrossGreen) {
            EXPECT_EQ(q.indices[0], q.indices[1]) << c.what;
            EXPECT_NE(q.indices[1], q.indices[2]) << c.what;
        } else {
            EXPECT_NE(q.indices[0], q.indices[1]) << c.what;
            EXPECT_EQ(q.indices[1], q.indices[2]) << c.what;
        }
    }
    // Blue is cut only when strictly longer than both: blue 12 cells (96) against
    // red 11 (88).
    std::vector<uint8_t> rgb = Pixels({{0, 0, 0}, {44, 0, 0}, {44, 0, 96}});
    Quantized q = Quantize(rgb, 3, 1, 2, false);
    EXPECT_EQ(q.indices[0], q.indices[1]);
    EXPECT_NE(q.indices[1], q.indices[2]);
}

TEST(MedianCut, PopulationFirstThenVolume) {
    // A: six occupied cells close together (small volume). B: three cells on a
    // long blue line (few cells, large volume). The first cut (across red)
    // separates A from B.
    std::vector<uint8_t> rgb;
    for (int i = 0; i < 6; ++i) {
        rgb.insert(rgb.end(), {uint8_t(200 + 4 * (i % 3)), uint8_t(4 * (i / 3)), 0});
    }
    rgb.insert(rgb.end(), {0, 0, 0});
    rgb.insert(rgb.end(), {0, 0, 128});
    rgb.insert(rgb.end(), {0, 0, 248});

    // Three colours: the second cut is by volume (2 x 2 > 3), so B is cut, A stays whole.
    Quantized three = Quantize(rgb, 9, 1, 3, false);
    ASSERT_EQ(three.count, 3);
    EXPECT_EQ(std::set<uint8_t>(three.indices.begin(), three.indices.begin() + 6).size(), 1u);
    EXPECT_NE(three.indices[6], three.indices[7]);

    // Four colours: the second cut is by population (2 x 2 <= 4), so A is cut;
    // the third, by volume, then cuts B once, leaving its two upper cells together.
    Quantized four = Quantize(rgb, 9, 1, 4, false);
    ASSERT_EQ(four.count, 4);
    EXPECT_EQ(std::set<uint8_t>(four.indices.begin(), four.indices.begin() + 6).size(), 2u);
    EXPECT_NE(four.indices[6], four.indices[7]);
    EXPECT_EQ(four.indices[7], four.indices[8]);
}

TEST(MedianCut, InverseMapIsTheNearestPaletteColour) {
    // Property: for random images the index of every pixel is the nearest palette
    // colour to its cell's centre over the whole palette, with the weighted
    // distance and the lowest index winning ties.
    for (uint32_t seed = 1; seed <= 6; ++seed) {
        std::mt19937 random(seed);
        const int32_t w = 97, h = 61;
        std::vector<uint8_t> rgb(size_t(w) * h * 3);
        const uint32_t mask = seed % 2 == 0 ? 0xFF : 0xE7;  // some runs with gaps
        for (uint8_t& v : rgb) {
            v = uint8_t(random() & mask);
        }
        Quantized q = Quantize(rgb, w, h, 256, false);
        for (size_t k = 0; k < q.indices.size(); ++k) {
            int cr = (rgb[3 * k] >> 2) * 4 + 2;
            int cg = (rgb[3 * k + 1] >> 2) * 4 + 2;
            int cb = (rgb[3 * k + 2] >> 3) * 8 + 4;
            int best = 0;
            int bestDistance = 2147483647;
            for (int i = 0; i < q.count; ++i) {
                int dr = 2 * (cr - q.palette[i].red);
                int dg = 3 * (cg - q.palette[i].green);
                int db = cb - q.palette[i].blue;
                int d = dr * dr + dg * dg + db * db;
                if (d < bestDistance) {
                    bestDistance = d;
                    best = i;
                }
            }
            ASSERT_EQ(q.indices[k], best) << "seed " << seed << " pixel " << k;
        }
    }
}

TEST(MedianCut, DitherSharesAlwaysAddUpToTheError) {
    for (int32_t e = -1000; e <= 1000; ++e) {
        DitherShares s = SplitDitherError(e);
        ASSERT_EQ(s.ahead + s.belowBehind + s.below + s.belowAhead, e);
        ASSERT_EQ(s.ahead, 7 * e / 16);
        ASSERT_EQ(s.belowBehind, 3 * e / 16);
        ASSERT_EQ(s.below, 5 * e / 16);
    }
    DitherShares s = SplitDitherError(-17);  // truncation toward zero
    EXPECT_EQ(s.ahead, -7);
    EXPECT_EQ(s.belowBehind, -3);
    EXPECT_EQ(s.below, -5);
    EXPECT_EQ(s.belowAhead, -2);
}

TEST(MedianCut, ErrorLimit) {
    const struct {
        int32_t e, limited;
    } cases[] = {{0, 0},   {15, 15},  {16, 16},   {17, 16},   {18, 17},   {46, 31},   {47, 31},
                 {48, 32}, {255, 32}, {-15, -15}, {-17, -16}, {-47, -31}, {-48, -32}, {-400, -32}};
    for (const auto& c : cases) {
        EXPECT_EQ(LimitDitherError(c.e), c.limited) << c.e;
    }
}

TEST(MedianCut, DitheringAFlatPaletteColourChangesNothing) {
    // Every pixel is exactly its entry's colour: no error, no diffusion.
    std::vector<uint8_t> rgb;
    for (int i = 0; i < 40; ++i) {
        if (i % 2 == 0) {
            rgb.insert(rgb.end(), {254, 254, 252});
        } else {
            rgb.insert(rgb.end(), {2, 2, 4});
        }
    }
    Quantized plain = Quantize(rgb, 8, 5, 256, false);
    Quantized dithered = Quantize(rgb, 8, 5, 256, true);
    EXPECT_EQ(plain.indices, dithered.indices);
}

TEST(MedianCut, DitheringSpreadsTheErrorSerpentine) {
    // Mostly black and white, with a band of mid grey: the two entries are near
    // black and near white, and dithering draws the grey band with both, the
    // same way on every run. Plain mapping gives the band one entry.
    const int32_t w = 8, blackRows = 60, whiteRows = 60, greyRows = 8;
    std::vector<uint8_t> rgb;
    for (int i = 0; i < w * blackRows; ++i) {
        rgb.insert(rgb.end(), {0, 0, 0});
    }
    for (int i = 0; i < w * whiteRows; ++i) {
        rgb.insert(rgb.end(), {255, 255, 255});
    }
    for (int i = 0; i < w * greyRows; ++i) {
        rgb.insert(rgb.end(), {126, 126, 124});
    }
    const int32_t h = blackRows + whiteRows + greyRows;
    const size_t band = size_t(w) * (blackRows + whiteRows);
    Quantized q = Quantize(rgb, w, h, 2, true);
    ASSERT_EQ(q.count, 2);
    EXPECT_EQ(std::set<uint8_t>(q.indices.begin() + band, q.indices.end()).size(), 2u);
    Quantized again = Quantize(rgb, w, h, 2, true);
    EXPECT_EQ(q.indices, again.indices);
    Quantized plain = Quantize(rgb, w, h, 2, false);
    EXPECT_EQ(std::set<uint8_t>(plain.indices.begin() + band, plain.indices.end()).size(), 1u);
}

TEST(MedianCut, WideSumsKeepTheMeanOfAHugeWhiteGrab) {
    // 17 million white pixels: 254 x 17M overflows a 32-bit sum.
    const int32_t w = 8500, h = 2000;
    std::vector<uint8_t> rgb(size_t(w) * h * 3, 255);
    std::vector<uint8_t> indices(size_t(w) * h);
    RgbEntry palette[256];
    ASSERT_EQ(QuantizeMedianCut(rgb.data(), 256, false, w, h, indices.data(), palette), 1);
    EXPECT_TRUE(Same(palette[0], 254, 254, 252));
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
    uint8_t t = out.At(2, 0);
    EXPECT_EQ(block.entries[t], 0x00FF00FFu);
    EXPECT_EQ(block.entries[out.At(0, 0)], 0xFF020204u);
    EXPECT_EQ(out.At(1, 1), out.At(0, 0));
    EXPECT_EQ(block.entries[out.At(1, 0)], 0xFFFEFEFCu);

    PaletteBlock opaque = BlackBlock();
    ASSERT_TRUE(ReduceByMedianCut(image.View(), 0x00FF00FFu, false, true, out.View(), opaque));
    for (uint32_t i = 0; i < opaque.count; ++i) {
        EXPECT_EQ(AlphaOf(opaque.entries[i]), 255u);
    }
    PaletteBlock small = BlackBlock();
    small.count = 2;  // never more than the block had
    ASSERT_TRUE(ReduceByMedianCut(image.View(), 0x00FF00FFu, false, false, out.View(), small));
    EXPECT_EQ(small.count, 2u);
}
