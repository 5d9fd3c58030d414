#include "imaging/fixed_palettes.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

#include "tests/unit/imaging_test_support.h"

namespace {

constexpr Colorref kMagenta = 0x00FF00FFu;  // the default fill colour
constexpr Argb kMagentaKey = 0x00FF00FFu;

Argb Opaque(uint32_t r, uint32_t g, uint32_t b) {
    return MakeArgb(255, r, g, b);
}

}  // namespace

TEST(Grayscale, LevelIsTheDoubleFormulaForEveryColour) {
    // Every one of the 16.7 million colours, against the host's own IEEE double
    // arithmetic evaluated in the stated order.
    for (uint32_t r = 0; r < 256; ++r) {
        for (uint32_t g = 0; g < 256; ++g) {
            for (uint32_t b = 0; b < 256; ++b) {
                volatile double sum = 0.587 * g;
                sum = sum + 0.299 * r;
                sum = sum + 0.114 * b;
                sum = sum + 0.5;
                ASSERT_EQ(GrayLevel(r, g, b), static_cast<int32_t>(sum))
                    << r << "," << g << "," << b;
            }
        }
    }
}

TEST(Grayscale, MappingWithAndWithoutTransparency) {
    // With transparency entry 0 is the fill colour: alpha 0 goes there and black
    // to grey 1. Without, alpha does not matter.
    const std::tuple<bool, Argb, uint8_t> cases[] = {
        {false, 0xFF000000u, 0}, {false, 0x00FFFFFFu, 255}, {false, 0xFFC8C8C8u, 200},
        {true, 0xFF000000u, 1},  {true, 0x00FF00FFu, 0},    {true, 0xFFFFFFFFu, 255}};
    for (const auto& [transparent, pixel, expected] : cases) {
        EXPECT_EQ(GrayscaleReducer(transparent, kMagentaKey).MapColor(pixel), expected)
            << transparent << " " << std::hex << pixel;
    }
    // Mapping is the nearest entry, the fill entry included: opaque fill colour
    // ties with the web-safe cube's magenta and becomes transparent.
    EXPECT_EQ(WebSafeReducer(true, kMagentaKey).MapColor(Opaque(255, 0, 255)), 0);
}

TEST(FixedPalettes, FillEntryFirstThenGreysOrTheCube) {
    for (bool transparent : {false, true}) {
        PaletteBlock grey = BlackBlock(), cube = BlackBlock();
        GrayscaleReducer(transparent, kMagentaKey).GetPalette(grey);
        WebSafeReducer(transparent, kMagentaKey).GetPalette(cube);
        const uint32_t first = transparent ? 1 : 0;  // the fill entry
        EXPECT_EQ(grey.count, 256u);
        EXPECT_EQ(cube.count, 216u + first);
        for (uint32_t k = 0; k < 256; ++k) {
            EXPECT_EQ(grey.entries[k], k < first ? kMagentaKey : Opaque(k, k, k)) << transparent;
        }
        EXPECT_EQ(cube.entries[0], grey.entries[0]);
        for (uint32_t i = 0; i < 216; ++i) {  // blue changes fastest
            EXPECT_EQ(cube.entries[first + i],
                      Opaque(51 * (i / 36), 51 * (i / 6 % 6), 51 * (i % 6)))
                << i;
        }
    }
}

TEST(Halftone, FillColourAtEntry41OrAboveBecomesTransparent) {
    // The indices holding the opaque fill colour, and the entry chosen: at most one.
    const std::pair<std::vector<uint32_t>, int32_t> cases[] = {
        {{}, -1}, {{40}, -1}, {{41}, 41}, {{3, 100, 200}, 100}};
    for (const auto& [fillAt, expected] : cases) {
        PaletteBlock block = BlackBlock();  // all 256 entries, rewritten here
        for (uint32_t i = 0; i < 256; ++i) {
            block.entries[i] = MakeArgb(i % 2 == 0 ? 255 : 0, i, 255 - i, 7);
        }
        for (uint32_t at : fillAt) {
            block.entries[at] = 0xFFFF00FFu;
        }
        EXPECT_EQ(ChooseHalftoneTransparentEntry(block, kMagenta), expected);
        for (uint32_t i = 0; i < 256; ++i) {  // every other entry becomes opaque
            const bool chosen = int32_t(i) == expected;
            EXPECT_EQ(chosen ? block.entries[i] : AlphaOf(block.entries[i]),
                      chosen ? 0x00FF00FFu : 255u)
                << i;
        }
    }
}
