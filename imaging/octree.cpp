// Octree colour reduction.
//
// The method (M. Gervautz and W. Purgathofer, "A simple method for color
// quantization: octree quantization", New Trends in Computer Graphics, 1988):
// colours are points in the RGB cube, and a tree of eight-way nodes cuts the cube
// in halves along all three axes at every level. The node at level L picks its
// child from bit 7 - L of red, green and blue:
//
//     child = (red bit) << 2 | (green bit) << 1 | (blue bit)
//
// so the root splits on the top bit of each channel and level 7 on the lowest;
// a level-8 node is one exact 24-bit colour. Alpha plays no part.
//
// Passes:
//   1. Analysis: every pixel is filled into the tree down to level 8, creating
//      nodes as needed. No pruning happens here (unlike the paper's version,
//      which prunes as it goes): the tree holds every distinct colour of the image
//      until the palette is asked for. A run of equal pixels skips the descent
//      and goes straight to the leaf of the previous pixel.
//   2. Palette: while there are more leaves than palette entries, one inner node
//      is merged into a leaf holding the pixel count and channel sums of its
//      children. The node merged is always the most recently created inner node
//      of the deepest level that still has one, which merges the finest colour
//      distinctions first. Each inner node sits on a list per level (newest
//      first), so a step is constant work plus the merge of at most eight
//      children. Then a depth-first walk (children 0..7) numbers the leaves, and
//      each leaf's colour is the truncated mean of its pixels.
//   3. Mapping: each pixel descends from the root until it meets a leaf; every
//      pixel was added in pass 1, so the descent always ends at one.
//
// Data structures: the nodes live in one pool of fixed-size chunks and refer to
// each other by 32-bit pool numbers instead of pointers. A photo-like full-screen
// grab has a few hundred thousand distinct colours and up to seven inner nodes
// above each; one heap block per node would cost an allocation each and a pointer
// per child. Merged children go to a free list. Rejected: a growable array of
// nodes (a doubling copy would briefly need twice the tree) and pruning during
// analysis (the result then depends on the pixel order in ways that are hard to
// reason about, and the palette of an image of at most 255 colours would no longer
// be exact).
//
// Pixel counts and channel sums are 64-bit (see OctreeNode).
#include "imaging/octree.h"

#include <algorithm>

namespace {

int ChildIndex(Argb pixel, int32_t level) {
    int bit = 7 - level;
    return static_cast<int>((((pixel >> (16 + bit)) & 1) << 2) | (((pixel >> (8 + bit)) & 1) << 1) |
                            ((pixel >> bit) & 1));
}

}  // namespace

Octree::Octree(int32_t depth) : maxDepth(std::min(std::max(depth, 1), kLevels - 1)) {
    root = NewNode(0);
}

uint32_t Octree::NewNode(int32_t level) {
    uint32_t node = freeList;
    if (node != 0) {
        freeList = At(node).nextReducible;
        At(node) = OctreeNode();
    } else {
        if ((poolEnd >> kChunkBits) >= chunks.size()) {
            // Owned before the list grows: the list's growth can fail too, and a
            // chunk held only by a raw pointer would then be lost.
            chunks.push_back(std::make_unique<OctreeNode[]>(kChunkMask + 1));
        }
        node = poolEnd++;
    }
    ++liveNodes;
    OctreeNode& n = At(node);
    n.isLeaf = level == maxDepth;
    if (n.isLeaf) {
        ++leafCount;
    } else {
        n.nextReducible = reducible[level];
        reducible[level] = node;
    }
    return node;
}

void Octree::FreeNode(uint32_t node) {
    At(node).nextReducible = freeList;
    freeList = node;
    --liveNodes;
}

void Octree::AddColor(Argb pixel) {
    if (pixel == lastColor && lastNode != 0) {
        OctreeNode& leaf = At(lastNode);
        ++leaf.pixelCount;
        leaf.redSum += RedOfArgb(pixel);
        leaf.greenSum += GreenOfArgb(pixel);
        leaf.blueSum += BlueOfArgb(pixel);
        return;
    }
    lastColor = pixel;
    uint32_t node = root;
    for (int32_t level = 0; !At(node).isLeaf; ++level) {
        int child = ChildIndex(pixel, level);
        uint32_t next = At(node).children[child];
        if (next == 0) {
            next = NewNode(level + 1);  // may move nothing: chunks never relocate
            At(node).children[child] = next;
        }
        node = next;
    }
    OctreeNode& leaf = At(node);
    ++leaf.pixelCount;
    leaf.redSum += RedOfArgb(pixel);
    leaf.greenSum += GreenOfArgb(pixel);
    leaf.blueSum += BlueOfArgb(pixel);
    lastNode = node;
}

void Octree::PruneOnce() {
    int32_t level = maxDepth - 1;
    while (level > 0 && reducible[level] == 0) {
        --level;
    }
    uint32_t node = reducible[level];
    if (node == 0) {
        return;  // only the root is left and it is a leaf already
    }
    OctreeNode& n = At(node);
    reducible[level] = n.nextReducible;
    n.nextReducible = 0;
    int32_t children = 0;
    for (uint32_t& child : n.children) {
        if (child == 0) {
            continue;
        }
        const OctreeNode& c = At(child);
        n.redSum += c.redSum;
        n.greenSum += c.greenSum;
        n.blueSum += c.blueSum;
        n.pixelCount += c.pixelCount;
        FreeNode(child);
        child = 0;
        ++children;
    }
    n.isLeaf = true;
    leafCount -= children - 1;
    lastNode = 0;
}

void Octree::NumberLeaves(uint32_t node, Palette& out) {
    OctreeNode& n = At(node);
    if (n.isLeaf) {
        n.paletteIndex = static_cast<int32_t>(out.size());
        uint64_t count = std::max<uint64_t>(n.pixelCount, 1);
        out.push_back(MakeArgb(255, static_cast<uint32_t>(n.redSum / count),
                               static_cast<uint32_t>(n.greenSum / count),
                               static_cast<uint32_t>(n.blueSum / count)));
        return;
    }
    for (uint32_t child : n.children) {
        if (child != 0) {
            NumberLeaves(child, out);
        }
    }
}

Palette Octree::BuildPalette(int32_t limit) {
    while (leafCount > limit && !At(root).isLeaf) {
        PruneOnce();
    }
    Palette colors;
    colors.reserve(static_cast<size_t>(leafCount));
    NumberLeaves(root, colors);
    return colors;
}

int32_t Octree::PaletteIndexOf(Argb pixel) const {
    uint32_t node = root;
    for (int32_t level = 0; !At(node).isLeaf; ++level) {
        node = At(node).children[ChildIndex(pixel, level)];
        if (node == 0) {
            return 0;
        }
    }
    return At(node).paletteIndex;
}

OctreeReducer::OctreeReducer(bool isTransparent, Argb transparentArgb, int32_t colorCount,
                             int32_t depth)
    : ColorReducer(false),
      transparent(isTransparent),
      transparentColor(transparentArgb),
      maxColors(std::min(std::max(colorCount, 1), kMaxPaletteEntries - 1)),
      tree(depth) {}

void OctreeReducer::Analyze(const ArgbView& bits) {
    for (int32_t y = 0; y < bits.height; ++y) {
        const Argb* row = bits.Row(y);
        for (int32_t x = 0; x < bits.width; ++x) {
            tree.AddColor(row[x]);
        }
    }
}

uint8_t OctreeReducer::MapColor(Argb pixel) {
    if (transparent && AlphaOf(pixel) == 0) {
        return static_cast<uint8_t>(maxColors);
    }
    return static_cast<uint8_t>(tree.PaletteIndexOf(pixel));
}

PaletteBlock& OctreeReducer::GetPalette(PaletteBlock& block) {
    int32_t limit = transparent ? maxColors - 1 : maxColors;
    Palette colors = tree.BuildPalette(std::max(limit, 1));
    size_t count = std::min<size_t>(
        {colors.size(), static_cast<size_t>(block.count), static_cast<size_t>(kMaxPaletteEntries)});
    std::copy(colors.begin(), colors.begin() + count, block.entries);
    if (transparent) {
        block.entries[maxColors] = transparentColor;
    }
    return block;
}
