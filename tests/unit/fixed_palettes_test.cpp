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
    const struct {
        bool transparent;
        Argb pixel;
        uint8_t expected;
    } cases[] = {
        {false, Opaque(255, 255, 255), 255},
        {false, Opaque(0, 0, 0), 0},
        {false, Opaque(255, 0, 0), 76},
        {false, Opaque(0, 255, 0), 150},
        {false, Opaque(0, 0, 255), 29},
        {false, Opaque(200, 200, 200), 200},
        {false, 0x00000000u, 0},
        {false, Opaque(0, 36, 12), 22},  // 22.999999...: double rounding
        {true, Opaque(0, 0, 0), 1},
        {true, 0x00000000u, 0},
        {true, 0x00FF00FFu, 0},
        {true, Opaque(200, 200, 200), 200},
        {true, Opaque(255, 255, 255), 255},
    };
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
    PaletteBlock plain = BlackBlock();
    WebSafeReducer(false, kMagentaKey).GetPalette(plain);
    EXPECT_EQ(plain.count, 216u);
    EXPECT_EQ(plain.entries[0], Opaque(0, 0, 0));
    EXPECT_EQ(plain.entries[1], Opaque(0, 0, 51));
    EXPECT_EQ(plain.entries[6], Opaque(0, 51, 0));
    EXPECT_EQ(plain.entries[36], Opaque(51, 0, 0));
    EXPECT_EQ(plain.entries[215], Opaque(255, 255, 255));

    PaletteBlock keyed = BlackBlock();
    WebSafeReducer(true, kMagentaKey).GetPalette(keyed);
    EXPECT_EQ(keyed.count, 217u);
    EXPECT_EQ(keyed.entries[0], kMagentaKey);
    EXPECT_EQ(keyed.entries[216], Opaque(255, 255, 255));
}

TEST(WebSafe, NearestCubeColour) {
    WebSafeReducer reducer(false, kMagentaKey);
    PaletteBlock block = BlackBlock();
    reducer.GetPalette(block);
    const struct {
        Argb pixel;
        Argb expected;
    } cases[] = {
        {Opaque(100, 100, 100), Opaque(102, 102, 102)},
        {Opaque(25, 26, 0), Opaque(0, 51, 0)},
        {Opaque(25, 25, 25), Opaque(0, 0, 0)},  // 1875 against 2028
        {Opaque(255, 0, 255), Opaque(255, 0, 255)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(block.entries[reducer.MapColor(c.pixel)], c.expected) << std::hex << c.pixel;
    }
}

TEST(WebSafe, TransparencyTakesEntryZero) {
    WebSafeReducer reducer(true, kMagentaKey);
    EXPECT_EQ(reducer.MapColor(0x00000000u), 0);
    // Opaque magenta is nearest to entry 0 (the fill colour) before the cube's own
    // magenta: it becomes transparent.
    EXPECT_EQ(reducer.MapColor(Opaque(255, 0, 255)), 0);
    EXPECT_EQ(reducer.MapColor(Opaque(0, 0, 0)), 1);
}

TEST(Halftone, FillColourAboveEntry40BecomesTransparent) {
    const struct {
        std::vector<uint32_t> fillAt;  // indices holding the opaque fill colour
        int32_t expected;
    } cases[] = {
        {{}, -1},
        {{40}, -1},  // only among the first 41 entries
        {{41}, 41},
        {{3, 100, 200}, 100},  // at most one, the first at 41 or above
    };
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
        for (uint32_t i = 0; i < 256; ++i) {
            if (int32_t(i) == c.expected) {
                EXPECT_EQ(block.entries[i], 0x00FF00FFu);
            } else {
                EXPECT_EQ(AlphaOf(block.entries[i]), 255u) << i;
            }
        }
    }
}

TEST(Halftone, TransparentPixelsFollowTheChosenEntry) {
    PaletteBlock block;
    block.count = 50;
    for (uint32_t i = 0; i < 50; ++i) {
        block.entries[i] = Opaque(i, i, i);
    }
    block.entries[45] = 0xFFFF00FFu;
    ASSERT_EQ(ChooseHalftoneTransparentEntry(block, kMagenta), 45);
    PaletteReducer reducer(block);
    EXPECT_EQ(reducer.MapColor(0x00FF00FFu), 45);
    EXPECT_EQ(reducer.MapColor(Opaque(3, 3, 3)), 3);

    // Fill colour only at index 10: nothing is transparent and alpha 0 goes to 0.
    PaletteBlock low;
    low.count = 50;
    for (uint32_t i = 0; i < 50; ++i) {
        low.entries[i] = Opaque(i, i, i);
    }
    low.entries[10] = 0xFFFF00FFu;
    ASSERT_EQ(ChooseHalftoneTransparentEntry(low, kMagenta), -1);
    EXPECT_EQ(PaletteReducer(low).MapColor(0x00FF00FFu), 0);
}
