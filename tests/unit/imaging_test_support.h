// Small helpers shared by the imaging tests: images held in vectors with views
// over them, and the palette block a reduction starts from.
#pragma once

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <random>
#include <vector>

#include "imaging/color_reducer.h"
#include "imaging/pixel_view.h"

// Pixels or index bytes in a vector, rows packed, with a view over them.
template <typename Pixel, typename PlaneView, Pixel kDefaultFill>
struct TestPlane {
    TestPlane(int32_t w, int32_t h, Pixel fill = kDefaultFill)
        : width(w), height(h), pixels(size_t(w) * size_t(h), fill) {}
    PlaneView View() {
        return {width, height, width * int32_t(sizeof(Pixel)),
                reinterpret_cast<uint8_t*>(pixels.data())};
    }
    Pixel& At(int32_t x, int32_t y) { return pixels[size_t(y) * size_t(width) + size_t(x)]; }

    int32_t width, height;
    std::vector<Pixel> pixels;
};
using TestImage = TestPlane<Argb, ArgbView, kOpaque>;
using TestIndices = TestPlane<uint8_t, IndexView, 0xEE>;  // 0xEE until written

// The same rows seen bottom-up: Scan0 at the last row in memory, a negative stride.
template <typename View>
View BottomUp(const View& v) {
    return {v.width, v.height, -v.stride, v.scan0 + ptrdiff_t(v.height - 1) * v.stride};
}

// A block as GDI+ creates it for a new 8-bit bitmap in the tests: 256 entries of
// opaque black.
inline PaletteBlock BlackBlock() {
    PaletteBlock block;
    block.count = kMaxPaletteEntries;
    std::fill(std::begin(block.entries), std::end(block.entries), kOpaque);
    return block;
}

// A block holding the entries given, black after them.
inline PaletteBlock BlockOf(const Palette& entries) {
    PaletteBlock block = BlackBlock();
    block.count = uint32_t(entries.size());
    std::copy(entries.begin(), entries.end(), block.entries);
    return block;
}

inline TestImage RandomImage(int32_t w, int32_t h, uint32_t seed, uint32_t colourMask = 0xFFFFFF) {
    std::mt19937 random(seed);
    TestImage image(w, h);
    for (Argb& p : image.pixels) {
        p = kOpaque | (random() & colourMask);
    }
    return image;
}
