#include "imaging/fixed_palettes.h"

#include <gtest/gtest.h>

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

TEST(Grayscale, MappingAndPaletteWithAndWithoutTransparency) {
    // With transparency entry 0 is the fill colour: alpha 0 goes there and black
    // to grey 1. Without, alpha does not matter.
    const struct {
        bool transparent;
        Argb pixel;
        uint8_t expected;
    } cases[] = {{false, 0xFF000000u, 0}, {false, 0x00FFFFFFu, 255}, {false, 0xFFC8C8C8u, 200},
                 {true, 0xFF000000u, 1},  {true, 0x00FF00FFu, 0},    {true, 0xFFFFFFFFu, 255}};
    for (const auto& c : cases) {
        EXPECT_EQ(GrayscaleReducer(c.transparent, kMagentaKey).MapColor(c.pixel), c.expected)
            << c.transparent << " " << std::hex << c.pixel;
    }
    for (bool transparent : {false, true}) {
        PaletteBlock block = BlackBlock();
        GrayscaleReducer(transparent, kMagentaKey).GetPalette(block);
        EXPECT_EQ(block.count, 256u);
        EXPECT_EQ(block.entries[0], transparent ? kMagentaKey : Opaque(0, 0, 0));
        for (uint32_t k = 1; k < 256; ++k) {
            EXPECT_EQ(block.entries[k], Opaque(k, k, k)) << transparent;
        }
    }
}

TEST(WebSafe, PaletteOrderAndCount) {
    for (bool transparent : {false, true}) {
        PaletteBlock block = BlackBlock();
        WebSafeReducer(transparent, kMagentaKey).GetPalette(block);
        const uint32_t first = transparent ? 1 : 0;  // the fill entry comes first
        EXPECT_EQ(block.count, 216u + first);
        EXPECT_EQ(block.entries[0], transparent ? kMagentaKey : Opaque(0, 0, 0));
        for (uint32_t i = 0; i < 216; ++i) {  // blue changes fastest
            EXPECT_EQ(block.entries[first + i],
                      Opaque(51 * (i / 36), 51 * (i / 6 % 6), 51 * (i % 6)))
                << i;
        }
    }
    // Mapping is the nearest entry, the fill entry included: opaque fill colour
    // ties with the cube's magenta and becomes transparent.
    EXPECT_EQ(WebSafeReducer(true, kMagentaKey).MapColor(Opaque(255, 0, 255)), 0);
}

TEST(WebSafe, WorkedOutEntryIsTheSearchedOne) {
    // Every level of each channel, and colours around a fill colour off the cube.
    std::vector<Argb> pixels = RandomImage(64, 64, 5).pixels;
    for (uint32_t v = 0; v < 256; ++v) {
        pixels.insert(pixels.end(),
                      {Opaque(v, 0, 0), Opaque(0, v, 0), Opaque(0, 0, v), Opaque(v, 255 - v, v / 2),
                       Opaque(40 + v % 9, 90, 60 + v / 32)});
    }
    for (bool transparent : {false, true}) {
        WebSafeReducer reducer(transparent, 0x00285A3Cu);  // (40, 90, 60)
        PaletteBlock block = BlackBlock();
        PaletteReducer searched(reducer.GetPalette(block));
        for (Argb p : pixels) {
            ASSERT_EQ(reducer.MapColor(p), searched.MapColor(p)) << std::hex << p << transparent;
        }
    }
}

TEST(Halftone, FillColourAtEntry41OrAboveBecomesTransparent) {
    const struct {
        std::vector<uint32_t> fillAt;  // indices holding the opaque fill colour
        int32_t expected;
    } cases[] = {{{}, -1}, {{40}, -1}, {{41}, 41}, {{3, 100, 200}, 100}};  // at most one
    for (const auto& c : cases) {
        PaletteBlock block;
        block.count = 256;
        for (uint32_t i = 0; i < 256; ++i) {
            block.entries[i] = MakeArgb(i % 2 == 0 ? 255 : 0, i, 255 - i, 7);
        }
        for (uint32_t at : c.fillAt) {
            block.entries[at] = 0xFFFF00FFu;
        }
        EXPECT_EQ(ChooseHalftoneTransparentEntry(block, kMagenta), c.expected);
        for (uint32_t i = 0; i < 256; ++i) {  // every other entry becomes opaque
            const bool chosen = int32_t(i) == c.expected;
            EXPECT_EQ(chosen ? block.entries[i] : AlphaOf(block.entries[i]),
                      chosen ? 0x00FF00FFu : 255u)
                << i;
        }
    }
}
