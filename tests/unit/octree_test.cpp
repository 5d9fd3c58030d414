#include "imaging/octree.h"

#include <gtest/gtest.h>

#include <utility>

#include "tests/unit/imaging_test_support.h"

namespace {

constexpr Argb kFill = 0x00FF00FFu;
constexpr int32_t kDepth = 8;

// The indices and palette of a reduction run as the GIF step runs it.
std::pair<TestIndices, PaletteBlock> Reduce(TestImage& image, bool transparent,
                                            const PaletteBlock& block = BlackBlock()) {
    OctreeReducer reducer(transparent, kFill, 255, kDepth);
    std::pair<TestIndices, PaletteBlock> r{TestIndices(image.width, image.height), block};
    EXPECT_TRUE(ReduceDrawnColors(reducer, image.View(), false, r.first.View(), r.second));
    return r;
}

}  // namespace

TEST(Octree, DepthFirstPaletteOrderAndTheBlockKeepsTheRest) {
    TestImage image(4, 1);
    image.pixels = {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFF000000u};
    // A block whose entries differ from every colour the reduction could write.
    PaletteBlock before = BlockOf(RandomImage(16, 16, 7, 0x7F7F7F).pixels);
    before.count = 200;
    auto [indices, block] = Reduce(image, false, before);
    EXPECT_EQ(indices.pixels, (std::vector<uint8_t>{3, 2, 1, 0}));
    const Argb leaves[] = {0xFF000000u, 0xFF0000FFu, 0xFF00FF00u, 0xFFFF0000u};
    for (uint32_t i = 0; i < kMaxPaletteEntries; ++i) {
        EXPECT_EQ(block.entries[i], i < 4 ? leaves[i] : before.entries[i]) << i;
    }
    EXPECT_EQ(block.count, 200u);
}

TEST(Octree, UpTo255ColoursSurviveExactlyOr254WithEntry255Transparent) {
    // Transparent pixels reach the tree as black, so black counts among the 254.
    // One colour more, a last column one blue step from black, merges into
    // black's entry.
    for (bool transparent : {false, true}) {
        const int32_t colours = transparent ? 254 : 255;
        std::mt19937 random(5);
        TestImage image(colours + 1, 2, 0xFF000001u);
        for (int32_t x = 0; x < colours; ++x) {
            image.At(x, 0) = x == 0 ? kOpaque : kOpaque | (random() & 0xFFFFFF);
            image.At(x, 1) = transparent && x % 3 == 0 ? 0x00123456u : image.At(x, 0);
        }
        auto [indices, block] = Reduce(image, transparent);
        EXPECT_EQ(block.entries[255], transparent ? kFill : kOpaque);
        for (int32_t x = 0; x < colours; ++x) {
            EXPECT_EQ(block.entries[indices.At(x, 0)], image.At(x, 0)) << x;
            EXPECT_EQ(indices.At(x, 1), transparent && x % 3 == 0 ? 255 : indices.At(x, 0));
        }
        EXPECT_EQ(indices.At(colours, 0), indices.At(0, 0));
        EXPECT_EQ(indices.At(colours, 1), indices.At(0, 0));
    }
}

TEST(Octree, PruningMergesTheNewestDeepestNodeFirstIntoItsMean) {
    // Two pairs differing only in the lowest blue bit: the second pair's level-7
    // node is newer, so it is merged first.
    Octree pairs(kDepth);
    for (Argb c : {0xFF101010u, 0xFF101011u, 0xFF808080u, 0xFF808081u}) {
        pairs.AddColor(c);
    }
    ASSERT_EQ(pairs.LeafCount(), 4);
    // (0x80 + 0x81) / 2 truncated.
    EXPECT_EQ(pairs.BuildPalette(3), (Palette{0xFF101010u, 0xFF101011u, 0xFF808080u}));

    // Down to the root: red (0 + 255 + 0 + 0) / 4 = 63, blue (0 + 3 x 255) / 4 = 191.
    Octree root(kDepth);
    for (Argb c : {0xFF000000u, 0xFFFFFFFFu, 0xFF0000FFu, 0xFF0000FFu}) {
        root.AddColor(c);
    }
    EXPECT_EQ(root.BuildPalette(1), (Palette{MakeArgb(255, 63, 63, 191)}));
    EXPECT_EQ(root.NodeCount(), 1u);
    EXPECT_EQ(root.PaletteIndexOf(0xFF123456u), 0);
}

TEST(Octree, WideSumsGiveTheRightMeanOverHugeCounts) {
    // One bright colour over more pixels than 32-bit sums can hold
    // (255 x 17 million > 2^32). The run shortcut keeps this quick.
    Octree tree(kDepth);
    for (uint32_t i = 0; i < 17000000; ++i) {
        tree.AddColor(0xFFFFFEFDu);
    }
    tree.AddColor(0xFFFFFEFCu);
    // blue: (253 x 17M + 252) / (17M + 1) = 252.99...
    EXPECT_EQ(tree.BuildPalette(1), (Palette{0xFFFFFEFCu}));
}
