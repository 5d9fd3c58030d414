// Octree colour reduction (GIF method "Octree"). The method is explained at the
// top of octree.cpp.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "imaging/color_reducer.h"

// A node of the colour tree: an inner node with up to eight children, or a leaf
// that counts its pixels and sums their channels. Nodes live in the tree's pool
// and refer to each other by pool number; 0 is "none" (the root is never a child).
struct OctreeNode {
    // Sums are 64-bit: one bright colour over a multi-monitor grab of more than
    // 16.8 million pixels would overflow 32-bit sums (255 x 16.8 M > 2^32).
    uint64_t pixelCount = 0;
    uint64_t redSum = 0;
    uint64_t greenSum = 0;
    uint64_t blueSum = 0;
    uint32_t children[8] = {};
    uint32_t nextReducible = 0;
    int32_t paletteIndex = 0;
    bool isLeaf = false;
};

class Octree {
public:
    explicit Octree(int32_t depth);

    void AddColor(Argb pixel);
    // Prunes until at most `limit` leaves are left, numbers the leaves depth
    // first and returns their mean colours (opaque) in that order.
    Palette BuildPalette(int32_t limit);
    // The palette index of the leaf the pixel's colour falls in; 0 for a colour
    // that was never added.
    int32_t PaletteIndexOf(Argb pixel) const;

    int32_t LeafCount() const { return leafCount; }
    // Nodes currently in the tree (for tests and measurements).
    size_t NodeCount() const { return liveNodes; }

private:
    static constexpr int32_t kLevels = 9;  // 0 (root) .. 8 (one leaf per 24-bit colour)

    uint32_t NewNode(int32_t level);
    void FreeNode(uint32_t node);
    OctreeNode& At(uint32_t node) { return chunks[node >> kChunkBits][node & kChunkMask]; }
    const OctreeNode& At(uint32_t node) const {
        return chunks[node >> kChunkBits][node & kChunkMask];
    }
    void PruneOnce();
    void NumberLeaves(uint32_t node, Palette& out);

    // The pool grows in chunks so that growing never copies (or doubles) what is
    // already there: peak memory stays close to what the tree needs.
    static constexpr uint32_t kChunkBits = 16;
    static constexpr uint32_t kChunkMask = (1u << kChunkBits) - 1;
    std::vector<std::unique_ptr<OctreeNode[]>> chunks;
    uint32_t poolEnd = 1;   // next unused pool number; 0 stays "none"
    uint32_t freeList = 0;  // nodes given back by pruning, linked through nextReducible
    size_t liveNodes = 0;

    uint32_t root = 0;
    int32_t leafCount = 0;
    int32_t maxDepth;
    uint32_t reducible[kLevels] = {};
    uint32_t lastNode = 0;
    Argb lastColor = 0;
};

class OctreeReducer : public ColorReducer {
public:
    // maxColors counts the transparent entry: with transparency on, the image
    // gets maxColors - 1 colours and entry maxColors is the fill colour.
    OctreeReducer(bool transparent, Argb transparentColor, int32_t maxColors, int32_t depth);

    // Fills every pixel into the tree with no virtual call per pixel.
    void Analyze(const ArgbView& bits) override;
    void AddColor(Argb pixel) override { tree.AddColor(pixel); }
    uint8_t MapColor(Argb pixel) override;
    // Fills the first entries with the leaves' colours; the block's Count and the
    // entries that get nothing keep what the block had.
    PaletteBlock& GetPalette(PaletteBlock& block) override;

private:
    bool transparent;
    Argb transparentColor;
    int32_t maxColors;
    Octree tree;
};
