#include "imaging/color_reducer.h"

#include <gtest/gtest.h>

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

class PaletteOf : public PaletteReducer {
public:
    explicit PaletteOf(std::initializer_list<Argb> entries) { colors.assign(entries); }
};

}  // namespace

TEST(ColorReducer, SingleColourImageMapsOnce) {
    TestImage image(37, 11, 0xFF123456u);
    TestIndices out(37, 11);
    PaletteBlock block = BlackBlock();
    CountingReducer reducer;
    ASSERT_TRUE(ReduceColors(reducer, image.View(), out.View(), block));
    EXPECT_EQ(reducer.calls, 1);
    for (uint8_t b : out.bytes) {
        EXPECT_EQ(b, 0x56);
    }
}

TEST(ColorReducer, RunsAcrossRowEndsReuseTheIndex) {
    TestImage image(3, 2);
    const Argb row[] = {0xFF000001u, 0xFF000001u, 0xFF000002u,
                        0xFF000002u, 0xFF000001u, 0xFF000001u};
    image.pixels.assign(std::begin(row), std::end(row));
    TestIndices out(3, 2);
    PaletteBlock block = BlackBlock();
    CountingReducer reducer;
    ASSERT_TRUE(ReduceColors(reducer, image.View(), out.View(), block));
    EXPECT_EQ(reducer.calls, 3);
    EXPECT_EQ(out.bytes, (std::vector<uint8_t>{1, 1, 2, 2, 1, 1}));
}

TEST(ColorReducer, StridesOfSourceAndTargetAreFollowed) {
    // Source rows padded to 5 pixels, target rows to 8 bytes, bottom-up target.
    std::vector<Argb> source(5 * 2, 0xFF0000AAu);
    source[0] = 0xFF000001u;
    source[5] = 0xFF000002u;
    ArgbView in{2, 2, 20, reinterpret_cast<uint8_t*>(source.data())};
    std::vector<uint8_t> target(16, 0xEE);
    IndexView out{2, 2, -8, target.data() + 8};
    PaletteBlock block = BlackBlock();
    CountingReducer reducer;
    ASSERT_TRUE(ReduceColors(reducer, in, out, block));
    EXPECT_EQ(target[8], 1);
    EXPECT_EQ(target[9], 0xAA);
    EXPECT_EQ(target[0], 2);
    EXPECT_EQ(target[1], 0xAA);
    EXPECT_EQ(target[2], 0xEE);  // padding untouched
}

TEST(ColorReducer, NearestEntryRules) {
    PaletteOf reducer({0xFF000000u, 0xFF020000u, 0xFFFFFFFFu});
    const struct {
        Argb pixel;
        uint8_t expected;
        const char* what;
    } cases[] = {
        {0xFF010000u, 0, "red 1 is at distance 1 from entries 0 and 1: lowest index"},
        {0xFF030000u, 1, "nearer entry 1"},
        {0xFFF0F0F0u, 2, "near white"},
        {0x00FFFFFFu, 0, "alpha 0 without a transparent entry goes to 0"},
        {0x80FFFFFFu, 2, "partial alpha counts as opaque"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(reducer.MapColor(c.pixel), c.expected) << c.what;
    }
}

TEST(ColorReducer, TransparentPixelsGoToTheFirstTransparentEntry) {
    PaletteOf reducer({0xFF000000u, 0x00FF00FFu, 0xFFFF00FFu, 0x00000000u});
    EXPECT_EQ(reducer.MapColor(0x00123456u), 1);
    // An opaque pixel of the fill colour stops at the transparent entry (first exact match).
    EXPECT_EQ(reducer.MapColor(0xFFFF00FFu), 1);
}

TEST(ColorReducer, PaletteReducerFromBlockAndBack) {
    PaletteBlock in = BlackBlock();
    in.count = 3;
    in.entries[0] = 0xFF112233u;
    in.entries[1] = 0xFF445566u;
    in.entries[2] = 0x00778899u;
    in.flags = 7;
    PaletteReducer reducer(in);
    PaletteBlock out = BlackBlock();
    out.flags = 9;
    PaletteBlock& result = reducer.GetPalette(out);
    EXPECT_EQ(&result, &out);
    EXPECT_EQ(out.count, 3u);
    EXPECT_EQ(out.flags, 9u);
    EXPECT_EQ(out.entries[2], 0x00778899u);
    EXPECT_EQ(out.entries[3], 0xFF000000u);
}

TEST(ColorReducer, CacheGivesTheSameAnswerAsTheSearch) {
    // A palette with many exact ties; mapping twice (the second from the cache)
    // and mapping fresh must agree.
    std::vector<Argb> entries;
    for (uint32_t i = 0; i < 256; ++i) {
        entries.push_back(0xFF000000u | ((i * 37u) % 256u) << 16 | ((i * 11u) % 256u));
    }
    TestImage image = RandomImage(64, 64, 7);
    PaletteBlock block = BlackBlock();
    std::copy(entries.begin(), entries.end(), block.entries);
    PaletteReducer cached(block);
    for (Argb p : image.pixels) {
        uint8_t first = cached.MapColor(p);
        PaletteReducer fresh(block);
        ASSERT_EQ(fresh.MapColor(p), first);
        ASSERT_EQ(cached.MapColor(p), first);
    }
}

TEST(ColorReducer, WorkingPixelsClearFullyTransparentOnes) {
    TestImage image(4, 1);
    image.pixels = {0x00FF00FFu, 0x01FF00FFu, 0xFF123456u, 0x00000001u};
    TestImage work(4, 1, 0xDEADBEEFu);
    DrawAsWorkingPixels(image.View(), work.View());
    EXPECT_EQ(work.pixels, (std::vector<Argb>{0, 0x01FF00FFu, 0xFF123456u, 0}));
}
