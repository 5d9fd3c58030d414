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

TEST(ColorReducer, NearestEntryLowestIndexOnATieAndAlphaZeroToTheFirstClearEntry) {
    // The least squared RGB distance, whatever an entry's alpha; the lowest index
    // wins a tie, whichever entry is brighter. Alpha 0 takes the first entry of
    // alpha 0, or entry 0 when there is none.
    const Palette palette = {0xFF040404u, 0xFF000000u, 0xFF020202u, 0x00FFFFFFu, 0x00123456u};
    const Palette opaque = {0xFF111111u, 0xFF000000u};
    const struct {
        const Palette& palette;
        Argb pixel;
        uint8_t index;
    } cases[] = {
        {palette, 0xFF030303u, 0}, {palette, 0xFF010101u, 1}, {palette, 0xFF000000u, 1},
        {palette, 0x80020202u, 2}, {palette, 0xFFFFFFFEu, 3}, {palette, 0x00040404u, 3},
        {opaque, 0x00000000u, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PaletteReducer(BlockOf(c.palette)).MapColor(c.pixel), c.index)
            << std::hex << c.pixel;
    }
}

TEST(ColorReducer, CachedIndicesAreTheSearchedOnes) {
    // Six thousand colours grow the cache many times; asked again, it must answer
    // what a reducer with an empty cache finds.
    const PaletteBlock block = BlockOf(RandomImage(16, 16, 1).pixels);
    const std::vector<Argb> pixels = RandomImage(100, 60, 2).pixels;
    PaletteReducer cached(block);
    for (Argb p : pixels) {
        cached.MapColor(p);
    }
    for (Argb p : pixels) {
        ASSERT_EQ(cached.MapColor(p), PaletteReducer(block).MapColor(p)) << std::hex << p;
    }
}

TEST(ColorReducer, WorkingPixelsClearFullyTransparentOnes) {
    TestImage image(4, 1);
    image.pixels = {0x00FF00FFu, 0x01FF00FFu, 0xFF123456u, 0x00000001u};
    TestImage work(4, 1, 0xDEADBEEFu);
    DrawAsWorkingPixels(image.View(), work.View());
    EXPECT_EQ(work.pixels, (std::vector<Argb>{0, 0x01FF00FFu, 0xFF123456u, 0}));
}
