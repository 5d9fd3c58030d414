#include "imaging/color_reducer.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/unit/imaging_test_support.h"

namespace {

// Counts MapColor calls and maps by the low byte of the pixel.
class CountingReducer : public PaletteReducer {
public:
    uint8_t MapColor(Argb pixel) override {
        ++calls;
        return static_cast<uint8_t>(pixel & 0xFF);
    }
    int calls = 0;
};

// The rule written out the slow way: alpha 0 takes the first entry of alpha 0
// (or 0); any other pixel the lowest index among the entries at the least
// squared RGB distance.
uint8_t BruteForceEntry(const Palette& palette, Argb pixel) {
    if (AlphaOf(pixel) == 0) {
        auto t = std::find_if(palette.begin(), palette.end(), [](Argb e) { return !AlphaOf(e); });
        return t == palette.end() ? 0 : uint8_t(t - palette.begin());
    }
    std::vector<int64_t> distance;
    for (Argb e : palette) {
        int64_t dr = int64_t(RedOfArgb(pixel)) - RedOfArgb(e);
        int64_t dg = int64_t(GreenOfArgb(pixel)) - GreenOfArgb(e);
        int64_t db = int64_t(BlueOfArgb(pixel)) - BlueOfArgb(e);
        distance.push_back(dr * dr + dg * dg + db * db);
    }
    return uint8_t(std::min_element(distance.begin(), distance.end()) - distance.begin());
}

}  // namespace

TEST(ColorReducer, RunsAcrossRowEndsReuseTheIndexAndStridesAreFollowed) {
    // Source rows padded to 4 pixels, target rows to 8 bytes, bottom-up target.
    std::vector<Argb> source = {1, 1, 2, 0xAA, 2, 1, 1, 0xAA};
    ArgbView in{3, 2, 16, reinterpret_cast<uint8_t*>(source.data())};
    std::vector<uint8_t> target(16, 0xEE);
    PaletteBlock block = BlackBlock();
    CountingReducer reducer;
    ASSERT_TRUE(ReduceColors(reducer, in, IndexView{3, 2, -8, target.data() + 8}, block));
    EXPECT_EQ(reducer.calls, 3);
    EXPECT_EQ(target, (std::vector<uint8_t>{2, 1, 1, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE,  //
                                            1, 1, 2, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE}));
}

TEST(ColorReducer, PaletteReducerFromBlockAndBack) {
    PaletteBlock in = BlockOf({0xFF112233u, 0xFF445566u, 0x00778899u});
    in.flags = 7;
    PaletteReducer reducer(in);
    PaletteBlock out = BlackBlock();
    out.flags = 9;
    EXPECT_EQ(&reducer.GetPalette(out), &out);
    EXPECT_EQ(out.count, 3u);
    EXPECT_EQ(out.flags, 9u);
    EXPECT_EQ(out.entries[2], 0x00778899u);
    EXPECT_EQ(out.entries[3], kOpaque);
}

TEST(ColorReducer, NearestEntryAndItsCacheMatchABruteForceSearch) {
    // Random palettes of coarse colours (many equal and equidistant entries), an
    // eighth of them transparent, and one of greys two levels apart in shuffled
    // order, where every grey pixel of an odd level lies exactly between two
    // entries. Each pixel is mapped twice by one reducer, the second time from
    // its cache.
    std::mt19937 random(2024);
    std::vector<Palette> palettes(6);
    for (Palette& p : palettes) {
        p.resize(1 + random() % 256);
        for (Argb& e : p) {
            e = random() % 8 == 0 ? random() & kColorMask : kOpaque | (random() & 0xC0C0C0);
        }
    }
    Palette greys;
    for (uint32_t level = 0; level < 256; level += 2) {
        greys.push_back(MakeArgb(255, level, level, level));
    }
    std::shuffle(greys.begin(), greys.end(), random);
    palettes.push_back(greys);

    int ties = 0;
    for (const Palette& palette : palettes) {
        const bool grey = palette == greys;
        std::vector<Argb> pixels(3000);
        for (Argb& p : pixels) {
            const uint32_t alpha = random() % 8 == 0 ? 0 : 1 + random() % 255,
                           level = random() & 0xFF;
            p = grey ? MakeArgb(alpha, level, level, level) : alpha << 24 | (random() & kColorMask);
            ties += grey && alpha != 0 && level % 2 == 1 && level != 255;
        }
        PaletteReducer reducer(BlockOf(palette));
        for (int pass = 0; pass < 2; ++pass) {
            for (Argb p : pixels) {
                ASSERT_EQ(reducer.MapColor(p), BruteForceEntry(palette, p)) << std::hex << p;
            }
        }
    }
    EXPECT_GT(ties, 1000);
}

TEST(ColorReducer, WorkingPixelsClearFullyTransparentOnes) {
    TestImage image(4, 1);
    image.pixels = {0x00FF00FFu, 0x01FF00FFu, 0xFF123456u, 0x00000001u};
    TestImage work(4, 1, 0xDEADBEEFu);
    DrawAsWorkingPixels(image.View(), work.View());
    EXPECT_EQ(work.pixels, (std::vector<Argb>{0, 0x01FF00FFu, 0xFF123456u, 0}));
}
