// Whole-image determinism: every reducer gives the same indices and palette on
// every build. The expected fingerprints were taken from the native build; the
// same binary runs under Wine for the Windows build, so a platform that
// computes differently (floating point, hashing order, library calls) fails
// here.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "imaging/fixed_palettes.h"
#include "imaging/median_cut.h"
#include "imaging/octree.h"
#include "tests/unit/imaging_test_support.h"

namespace {

constexpr int32_t kWidth = 211;
constexpr int32_t kHeight = 137;
constexpr Colorref kFill = 0x00FF00FF;

// A picture with gradients, noise, flat areas and a few transparent pixels,
// made with integer arithmetic only so it is the same everywhere.
TestImage MakePicture() {
    TestImage picture(kWidth, kHeight);
    uint32_t state = 12345;
    for (int32_t y = 0; y < kHeight; ++y) {
        for (int32_t x = 0; x < kWidth; ++x) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            uint32_t noise = state & 31;
            if (x < 40 && y < 30) {
                picture.At(x, y) = 0xFFD4D0C8;  // a flat dialog face
            } else if ((x + y) % 97 == 0) {
                picture.At(x, y) = 0x00FF00FF;  // transparent
            } else {
                picture.At(x, y) = MakeArgb(255, (x * 255 / kWidth + noise) & 0xFF,
                                            (y * 255 / kHeight + (noise >> 1)) & 0xFF,
                                            ((x * y) / 23 + noise) & 0xFF);
            }
        }
    }
    return picture;
}

// FNV-1a over the indices, the palette entries (low byte first) and the count.
uint64_t Fingerprint(std::vector<uint8_t> bytes, const PaletteBlock& block) {
    for (uint32_t i = 0; i < std::min<uint32_t>(block.count, kMaxPaletteEntries); ++i) {
        for (int shift = 0; shift < 32; shift += 8) {
            bytes.push_back(uint8_t(block.entries[i] >> shift));
        }
    }
    bytes.push_back(uint8_t(block.count));
    uint64_t hash = 14695981039346656037ull;
    for (uint8_t byte : bytes) {
        hash = (hash ^ byte) * 1099511628211ull;
    }
    return hash;
}

uint64_t Reduce(const std::string& method, bool transparent) {
    TestImage picture = MakePicture();
    const Argb fill = TransparentArgbOf(kFill);
    GrayscaleReducer grayscale(transparent, fill);
    WebSafeReducer webSafe(transparent, fill);
    OctreeReducer octree(transparent, fill, 255, 8);
    ColorReducer* reducer = method == "grayscale" ? &grayscale
                            : method == "websafe" ? static_cast<ColorReducer*>(&webSafe)
                            : method == "octree"  ? &octree
                                                  : nullptr;
    if (reducer != nullptr) {
        Reduced r = ReduceWorkingPixels(*reducer, picture);
        EXPECT_TRUE(r.reduced) << method;
        return Fingerprint(r.indices.pixels, r.block);
    }
    TestIndices indices(kWidth, kHeight);
    PaletteBlock block = BlackBlock();
    EXPECT_TRUE(ReduceByMedianCut(picture.View(), kFill, transparent, method == "median-dither",
                                  indices.View(), block))
        << method;
    return Fingerprint(indices.pixels, block);
}

}  // namespace

TEST(ReductionDeterminism, SameIndicesAndPaletteOnEveryBuild) {
    const struct {
        const char* method;
        uint64_t plain, transparent;
    } cases[] = {
        {"grayscale", 0xdf235bdc88b02917ull, 0x8b8ef6fee0853098ull},
        {"websafe", 0x3510f7474ab338a5ull, 0xbe4844178d325a10ull},
        {"octree", 0x120f0e2d377132f1ull, 0x7d3fdccc85df393dull},
        {"median", 0xca229e0152c9e9e6ull, 0x4cd5936573c9c611ull},
        {"median-dither", 0x255755aec5c80fddull, 0x673ad8e0fdeafe66ull},
    };
    for (const auto& c : cases) {
        for (bool transparent : {false, true}) {
            const uint64_t fingerprint = Reduce(c.method, transparent);
            EXPECT_EQ(fingerprint, transparent ? c.transparent : c.plain)
                << c.method << (transparent ? " transparent" : "") << " gives 0x" << std::hex
                << fingerprint;
        }
    }
}
