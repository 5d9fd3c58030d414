#include "imaging/octree.h"

#include <gtest/gtest.h>

#include <set>

#include "tests/unit/imaging_test_support.h"

namespace {

constexpr Argb kFill = 0x00FF00FFu;
constexpr int32_t kMaxColors = 255;
constexpr int32_t kDepth = 8;

struct Reduced {
    PaletteBlock block;
    TestIndices indices;
};

Reduced Reduce(TestImage& image, bool transparent) {
    Reduced r{BlackBlock(), TestIndices(image.width, image.height)};
    TestImage work(image.width, image.height);
    DrawAsWorkingPixels(image.View(), work.View());
    OctreeReducer reducer(transparent, kFill, kMaxColors, kDepth);
    EXPECT_TRUE(ReduceColors(reducer, work.View(), r.indices.View(), r.block));
    return r;
}

}  // namespace

TEST(Octree, DepthFirstPaletteOrder) {
    TestImage image(4, 1);
    image.pixels = {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFF000000u};
    Reduced r = Reduce(image, false);
    EXPECT_EQ(r.block.entries[0], 0xFF000000u);
    EXPECT_EQ(r.block.entries[1], 0xFF0000FFu);
    EXPECT_EQ(r.block.entries[2], 0xFF00FF00u);
    EXPECT_EQ(r.block.entries[3], 0xFFFF0000u);
    EXPECT_EQ(r.indices.bytes, (std::vector<uint8_t>{3, 2, 1, 0}));
    EXPECT_EQ(r.block.count, 256u);              // left as created
    EXPECT_EQ(r.block.entries[4], 0xFF000000u);  // entries that get nothing keep theirs
}

TEST(Octree, AtMost255ColoursSurviveExactly) {
    // Property: random images of up to 255 distinct colours, any arrangement.
    std::mt19937 random(99);
    for (int trial = 0; trial < 20; ++trial) {
        int32_t colourCount = 1 + int32_t(random() % 255);
        std::vector<Argb> colours;
        std::set<Argb> seen;
        while (int32_t(colours.size()) < colourCount) {
            Argb c = 0xFF000000u | (random() & 0xFFFFFF);
            if (seen.insert(c).second) {
                colours.push_back(c);
            }
        }
        TestImage image(61, 29);
        for (Argb& p : image.pixels) {
            p = colours[random() % colours.size()];
        }
        Reduced r = Reduce(image, false);
        for (size_t k = 0; k < image.pixels.size(); ++k) {
            ASSERT_EQ(r.block.entries[r.indices.bytes[k]], image.pixels[k]) << "trial " << trial;
        }
    }
}

TEST(Octree, With254ColoursAndTransparencyEveryColourSurvives) {
    // Transparent pixels reach the tree as black, so black counts among the 254.
    std::mt19937 random(5);
    TestImage image(254, 2);
    for (int32_t x = 0; x < 254; ++x) {
        image.At(x, 0) = x == 0 ? 0xFF000000u : 0xFF000000u | (random() & 0xFFFFFF);
        image.At(x, 1) = x % 3 == 0 ? 0x00123456u : image.At(x, 0);
    }
    Reduced r = Reduce(image, true);
    for (int32_t x = 0; x < 254; ++x) {
        EXPECT_EQ(r.block.entries[r.indices.At(x, 0)], image.At(x, 0));
        if (x % 3 == 0) {
            EXPECT_EQ(r.indices.At(x, 1), 255);
        } else {
            EXPECT_EQ(r.block.entries[r.indices.At(x, 1)], image.At(x, 0));
        }
    }
    EXPECT_EQ(r.block.entries[255], kFill);
}

TEST(Octree, TransparentPixelsTakeEntry255AndNothingBetween) {
    TestImage image(3, 1);
    image.pixels = {0xFF102030u, 0x00FFFFFFu, 0xFF405060u};
    Reduced r = Reduce(image, true);
    EXPECT_EQ(r.indices.bytes[1], 255);
    EXPECT_EQ(r.block.entries[255], kFill);
    // Transparent pixels were added as black, so black has an entry of its own
    // (index 0) that no pixel maps to; the colours follow it.
    EXPECT_EQ(r.block.entries[0], 0xFF000000u);
    std::set<uint8_t> used(r.indices.bytes.begin(), r.indices.bytes.end());
    EXPECT_EQ(used, (std::set<uint8_t>{1, 2, 255}));
}

TEST(Octree, PruningToTheRootGivesTheMean) {
    Octree tree(kDepth);
    tree.AddColor(0xFF000000u);
    tree.AddColor(0xFFFFFFFFu);
    tree.AddColor(0xFF0000FFu);
    tree.AddColor(0xFF0000FFu);
    Palette colours = tree.BuildPalette(1);
    ASSERT_EQ(colours.size(), 1u);
    // red (0 + 255 + 0 + 0) / 4 = 63, blue (0 + 255 + 255 + 255) / 4 = 191.
    EXPECT_EQ(colours[0], MakeArgb(255, 63, 63, 191));
    EXPECT_EQ(tree.NodeCount(), 1u);
    EXPECT_EQ(tree.PaletteIndexOf(0xFF123456u), 0);
}

TEST(Octree, PrunesTheNewestNodeOfTheDeepestLevel) {
    Octree tree(kDepth);
    // Two pairs differing only in the lowest blue bit; the second pair's level-7
    // node is newer, so it is merged first.
    tree.AddColor(0xFF101010u);
    tree.AddColor(0xFF101011u);
    tree.AddColor(0xFF808080u);
    tree.AddColor(0xFF808081u);
    ASSERT_EQ(tree.LeafCount(), 4);
    Palette colours = tree.BuildPalette(3);
    ASSERT_EQ(colours.size(), 3u);
    EXPECT_EQ(colours[0], 0xFF101010u);
    EXPECT_EQ(colours[1], 0xFF101011u);
    EXPECT_EQ(colours[2], 0xFF808080u);  // (0x80 + 0x81) / 2 truncated
}

TEST(Octree, WideSumsGiveTheRightMeanOverHugeCounts) {
    // One bright colour over more pixels than 32-bit sums can hold
    // (255 x 17 million > 2^32). The run shortcut keeps this quick.
    Octree tree(kDepth);
    const uint32_t pixels = 17000000;
    for (uint32_t i = 0; i < pixels; ++i) {
        tree.AddColor(0xFFFFFEFDu);
    }
    tree.AddColor(0xFFFFFEFCu);
    Palette colours = tree.BuildPalette(1);
    ASSERT_EQ(colours.size(), 1u);
    EXPECT_EQ(colours[0], 0xFFFFFEFCu);  // blue: (253 x 17M + 252) / (17M + 1) = 252.99...
}

TEST(Octree, ManyColoursPruneToTheLimit) {
    TestImage image = RandomImage(200, 150, 3);
    Reduced r = Reduce(image, false);
    std::set<uint8_t> used(r.indices.bytes.begin(), r.indices.bytes.end());
    EXPECT_LE(used.size(), 255u);
    EXPECT_GT(used.size(), 100u);
    EXPECT_EQ(used.count(255), 0u);
}

TEST(Octree, SameInputSameOutput) {
    TestImage image = RandomImage(120, 80, 11, 0x3F3F3F);
    Reduced a = Reduce(image, true);
    Reduced b = Reduce(image, true);
    EXPECT_EQ(a.indices.bytes, b.indices.bytes);
    EXPECT_EQ(0, memcmp(a.block.entries, b.block.entries, sizeof a.block.entries));
}
