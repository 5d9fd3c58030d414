// Whole-image determinism: every reducer gives the same indices and palette on
// every build. The expected fingerprints were taken from the native build; the
// same binary runs under Wine for the Windows build, so a platform that
// computes differently (floating point, hashing order, library calls) fails
// here.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "imaging/color_reducer.h"
#include "imaging/fixed_palettes.h"
#include "imaging/median_cut.h"
#include "imaging/octree.h"

namespace {

constexpr int32_t kWidth = 211;
constexpr int32_t kHeight = 137;
constexpr Colorref kFill = 0x00FF00FF;

// A picture with gradients, noise, flat areas and a few transparent pixels,
// made with integer arithmetic only so it is the same everywhere.
std::vector<Argb> MakePicture() {
    std::vector<Argb> pixels(kWidth * kHeight);
    uint32_t state = 12345;
    for (int32_t y = 0; y < kHeight; ++y) {
        for (int32_t x = 0; x < kWidth; ++x) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            uint32_t noise = state & 31;
            Argb pixel;
            if (x < 40 && y < 30) {
                pixel = 0xFFD4D0C8;  // a flat dialog face
            } else if ((x + y) % 97 == 0) {
                pixel = 0x00FF00FF;  // transparent
            } else {
                uint32_t red = (x * 255 / kWidth + noise) & 0xFF;
                uint32_t green = (y * 255 / kHeight + (noise >> 1)) & 0xFF;
                uint32_t blue = ((x * y) / 23 + noise) & 0xFF;
                pixel = MakeArgb(255, red, green, blue);
            }
            pixels[y * kWidth + x] = pixel;
        }
    }
    return pixels;
}

uint64_t Fingerprint(const std::vector<uint8_t>& indices, const PaletteBlock& block) {
    uint64_t hash = 14695981039346656037ull;  // FNV-1a
    auto add = [&hash](uint8_t byte) {
        hash ^= byte;
        hash *= 1099511628211ull;
    };
    for (uint8_t index : indices)
        add(index);
    for (uint32_t i = 0; i < block.count && i < uint32_t(kMaxPaletteEntries); ++i) {
        for (int shift = 0; shift < 32; shift += 8)
            add(uint8_t(block.entries[i] >> shift));
    }
    add(uint8_t(block.count));
    return hash;
}

uint64_t Reduce(const char* method, bool transparent) {
    std::vector<Argb> pixels = MakePicture();
    ArgbView source{kWidth, kHeight, kWidth * 4, reinterpret_cast<uint8_t*>(pixels.data())};
    std::vector<uint8_t> indices(pixels.size());
    IndexView target{kWidth, kHeight, kWidth, indices.data()};
    PaletteBlock block;
    block.count = kMaxPaletteEntries;
    std::fill(std::begin(block.entries), std::end(block.entries), kOpaque);
    const Argb fillArgb = TransparentArgbOf(kFill);

    const std::string name = method;
    bool reduced = false;
    if (name == "median" || name == "median-dither") {
        reduced =
            ReduceByMedianCut(source, kFill, transparent, name == "median-dither", target, block);
    } else {
        std::unique_ptr<ColorReducer> reducer;
        if (name == "grayscale")
            reducer = std::make_unique<GrayscaleReducer>(transparent, fillArgb);
        if (name == "websafe")
            reducer = std::make_unique<WebSafeReducer>(transparent, fillArgb);
        if (name == "octree")
            reducer = std::make_unique<OctreeReducer>(transparent, fillArgb, 255, 8);
        std::vector<Argb> working(pixels.size());
        ArgbView workingView{kWidth, kHeight, kWidth * 4,
                             reinterpret_cast<uint8_t*>(working.data())};
        DrawAsWorkingPixels(source, workingView);
        reduced = ReduceColors(*reducer, workingView, target, block);
    }
    EXPECT_TRUE(reduced) << method;
    return Fingerprint(indices, block);
}

}  // namespace

TEST(ReductionDeterminism, SameIndicesAndPaletteOnEveryBuild) {
    const struct {
        const char* method;
        bool transparent;
        uint64_t expected;
    } cases[] = {
        {"grayscale", false, 0xdf235bdc88b02917ull},
        {"grayscale", true, 0x8b8ef6fee0853098ull},
        {"websafe", false, 0x3510f7474ab338a5ull},
        {"websafe", true, 0xbe4844178d325a10ull},
        {"octree", false, 0x120f0e2d377132f1ull},
        {"octree", true, 0x7d3fdccc85df393dull},
        {"median", false, 0xca229e0152c9e9e6ull},
        {"median", true, 0x4cd5936573c9c611ull},
        {"median-dither", false, 0x255755aec5c80fddull},
        {"median-dither", true, 0x673ad8e0fdeafe66ull},
    };
    for (const auto& c : cases) {
        uint64_t first = Reduce(c.method, c.transparent);
        EXPECT_EQ(first, Reduce(c.method, c.transparent)) << c.method << " differs between runs";
        EXPECT_EQ(first, c.expected) << c.method << (c.transparent ? " transparent" : "")
                                     << " gives 0x" << std::hex << first;
    }
}
