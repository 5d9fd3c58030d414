#include "imaging/color_reducer.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <utility>

#include "imaging/fixed_palettes.h"
#include "imaging/octree.h"
#include "tests/unit/imaging_test_support.h"

TEST(ColorReducer, RunsAcrossRowEndsReuseTheIndexAndStridesAreFollowed) {
    // Counts MapColor calls and maps by the low byte of the pixel.
    class CountingReducer : public PaletteReducer {
    public:
        uint8_t MapColor(Argb pixel) override {
            ++calls;
            return static_cast<uint8_t>(pixel & 0xFF);
        }
        int calls = 0;
    };
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
    const PaletteBlock block =
        BlockOf({0xFF040404u, 0xFF000000u, 0xFF020202u, 0x00FFFFFFu, 0x00123456u});
    const std::pair<Argb, uint8_t> cases[] = {{0xFF030303u, 0}, {0xFF010101u, 1}, {0xFF000000u, 1},
                                              {0x80020202u, 2}, {0xFFFFFFFEu, 3}, {0x00040404u, 3}};
    for (const auto& [pixel, index] : cases) {
        EXPECT_EQ(PaletteReducer(block).MapColor(pixel), index) << std::hex << pixel;
    }
    EXPECT_EQ(PaletteReducer(BlockOf({0xFF111111u, 0xFF000000u})).MapColor(0), 0);
}

TEST(ColorReducer, CachedAndWorkedOutIndicesAreTheSearchedOnes) {
    // Six thousand colours grow the cache many times and are asked twice; the web
    // safe cube works its entries out, here for every level of each channel and
    // for colours around a fill colour off the cube, (40, 90, 60). Every answer
    // must be what a reducer with an empty cache finds.
    std::vector<Argb> pixels = RandomImage(100, 60, 2).pixels;
    for (uint32_t v = 0; v < 256; ++v) {
        pixels.insert(pixels.end(), {MakeArgb(255, v, 0, 0), MakeArgb(255, 0, v, 0),
                                     MakeArgb(255, 0, 0, v), MakeArgb(255, v, 255 - v, v / 2),
                                     MakeArgb(255, 40 + v % 9, 90, 60 + v / 32)});
    }
    PaletteReducer random(BlockOf(RandomImage(16, 16, 1).pixels));
    WebSafeReducer cube(false, 0x00285A3Cu), keyed(true, 0x00285A3Cu);
    for (PaletteReducer* reducer : std::initializer_list<PaletteReducer*>{&random, &cube, &keyed}) {
        PaletteBlock block = BlackBlock();
        const PaletteBlock searched = reducer->GetPalette(block);
        for (int pass = 0; pass < 2; ++pass) {
            for (Argb p : pixels) {
                ASSERT_EQ(reducer->MapColor(p), PaletteReducer(searched).MapColor(p))
                    << std::hex << p;
            }
        }
    }
}

TEST(ColorReducer, WorkingPixelsClearFullyTransparentOnesOrAreAllOpaqueWithoutAlpha) {
    TestImage image(4, 1);
    image.pixels = {0x00FF00FFu, 0x01FF00FFu, 0xFF123456u, 0x00000001u};
    TestImage work(4, 1, 0xDEADBEEFu);
    DrawAsWorkingPixels(image.View(), work.View());
    EXPECT_EQ(work.pixels, (std::vector<Argb>{0, 0x01FF00FFu, 0xFF123456u, 0}));
    DrawAsWorkingPixels(image.View(), work.View(), true);
    EXPECT_EQ(work.pixels, (std::vector<Argb>{0xFFFF00FFu, 0xFFFF00FFu, 0xFF123456u, 0xFF000001u}));
}

TEST(ColorReducer, DrawnBandByBandReducesAsTheWholeDrawnPicture) {
    // 700 rows of 50 pixels are more than one band; every fifth pixel has alpha 0.
    TestImage image = RandomImage(50, 700, 3, 0xF0F0F0);
    for (size_t i = 0; i < image.pixels.size(); i += 5) {
        image.pixels[i] &= kColorMask;
    }
    const std::function<std::unique_ptr<ColorReducer>()> reducers[] = {
        [] { return std::make_unique<GrayscaleReducer>(true, 0x00FF00FFu); },
        [] { return std::make_unique<OctreeReducer>(true, 0x00FF00FFu, 255, 8); },
    };
    for (const auto& make : reducers) {
        for (const bool opaque : {false, true}) {
            TestImage working(image.width, image.height);
            DrawAsWorkingPixels(image.View(), working.View(), opaque);
            TestIndices whole(image.width, image.height), banded(image.width, image.height);
            PaletteBlock wholeBlock = BlackBlock(), bandedBlock = BlackBlock();
            ASSERT_TRUE(ReduceColors(*make(), working.View(), whole.View(), wholeBlock));
            ASSERT_TRUE(
                ReduceDrawnColors(*make(), image.View(), opaque, banded.View(), bandedBlock));
            EXPECT_EQ(banded.pixels, whole.pixels) << opaque;
            EXPECT_EQ(bandedBlock.count, wholeBlock.count);
            EXPECT_TRUE(std::equal(std::begin(bandedBlock.entries), std::end(bandedBlock.entries),
                                   std::begin(wholeBlock.entries)));
        }
    }
}
