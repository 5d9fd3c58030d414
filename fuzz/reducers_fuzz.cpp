// Every GIF reduction over arbitrary small pictures, run as the GIF step runs
// it (median cut on the pixels as they are, the others on the working pixels),
// with strides of either sign, padded rows, and memory running out at any
// allocation. The source pixels and the padding are never written; a
// reduction that ran short of memory says so; a reduction that succeeds
// leaves at most 256 entries, every index inside the palette, and no entry of
// alpha 0 but the fill colour where the rules put it: entry 0 for grayscale
// and web safe, 255 for the octree, the first transparent pixel's for median
// cut.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <memory>
#include <new>

#include "imaging/fixed_palettes.h"
#include "imaging/median_cut.h"
#include "imaging/octree.h"

namespace {

// Allocations left before operator new fails; negative: no limit.
thread_local long long g_allocationsLeft = -1;
thread_local bool g_allocationRefused = false;

enum Method { kGrayscale, kMedianCut, kMedianCutDithered, kOctree, kWebSafe };

// Rows of `width` items and `pad` more, top-down or bottom-up, with a view.
template <typename Item, typename View>
struct Plane {
    Plane(int32_t width, int32_t height, int32_t pad, bool bottomUp, Item fill)
        : items(size_t(width + pad) * size_t(height), fill) {
        const int32_t stride = (width + pad) * int32_t(sizeof(Item));
        view = {width, height, bottomUp ? -stride : stride,
                reinterpret_cast<uint8_t*>(&items[bottomUp ? items.size() - (width + pad) : 0])};
    }
    std::vector<Item> items;
    View view;
};

}  // namespace

void* operator new(size_t size) {
    if (g_allocationsLeft == 0) {
        g_allocationRefused = true;
        throw std::bad_alloc();
    }
    g_allocationsLeft -= g_allocationsLeft > 0;
    if (void* p = std::malloc(size != 0 ? size : 1)) {
        return p;
    }
    throw std::bad_alloc();
}
void* operator new[](size_t size) {
    return operator new(size);
}
// libFuzzer's own; they must end in the same free as the others.
void* operator new(size_t size, const std::nothrow_t&) noexcept {
    return std::malloc(size != 0 ? size : 1);
}
void* operator new[](size_t size, const std::nothrow_t&) noexcept {
    return std::malloc(size != 0 ? size : 1);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p, size_t) noexcept {
    std::free(p);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const int method = in.ConsumeIntegralInRange(0, 4);
    const bool transparent = in.ConsumeBool();
    const Colorref fill = in.ConsumeIntegral<uint32_t>() & kColorMask;
    const int32_t w = in.ConsumeIntegralInRange(1, 40), h = in.ConsumeIntegralInRange(1, 40);
    Plane<Argb, ArgbView> source(w, h, in.ConsumeIntegralInRange(0, 2), in.ConsumeBool(), 0);
    Plane<uint8_t, IndexView> target(w, h, in.ConsumeIntegralInRange(0, 5), in.ConsumeBool(), 0xEE);
    const long long allocations = in.ConsumeIntegralInRange(-1, 8);
    for (Argb& pixel : source.items) {
        pixel = in.ConsumeIntegral<uint32_t>();
    }
    const std::vector<Argb> original = source.items;
    PaletteBlock block;
    block.count = kMaxPaletteEntries;  // a new 8-bit bitmap's palette
    std::fill(std::begin(block.entries), std::end(block.entries), kOpaque);

    bool reduced = false;
    g_allocationsLeft = allocations;
    g_allocationRefused = false;
    if (method == kMedianCut || method == kMedianCutDithered) {
        reduced = ReduceByMedianCut(source.view, fill, transparent, method == kMedianCutDithered,
                                    target.view, block);
    } else {
        // The glue's part: the reducer and the working pixels, given up without memory.
        std::unique_ptr<ColorReducer> reducer;
        std::unique_ptr<Plane<Argb, ArgbView>> working;
        try {
            const Argb key = TransparentArgbOf(fill);
            reducer =
                method == kGrayscale ? std::make_unique<GrayscaleReducer>(transparent, key)
                : method == kWebSafe
                    ? std::make_unique<WebSafeReducer>(transparent, key)
                    : std::unique_ptr<ColorReducer>(new OctreeReducer(transparent, key, 255, 8));
            working = std::make_unique<Plane<Argb, ArgbView>>(w, h, 0, false, 0);
        } catch (const std::bad_alloc&) {
        }
        if (working) {
            DrawAsWorkingPixels(source.view, working->view);
            reduced = ReduceColors(*reducer, working->view, target.view, block);
        }
    }
    g_allocationsLeft = -1;

    if (source.items != original) {
        __builtin_trap();
    }
    for (int32_t y = 0; y < h; ++y) {
        const uint8_t* row = target.view.Row(y);
        for (int32_t x = w; x < std::abs(target.view.stride); ++x) {
            if (row[x] != 0xEE) {
                __builtin_trap();
            }
        }
    }
    if (!reduced) {
        return 0;
    }
    if (g_allocationRefused) {
        __builtin_trap();  // short of memory, yet reported as reduced
    }
    if (block.count == 0 || block.count > kMaxPaletteEntries) {
        __builtin_trap();
    }
    // Median cut's transparent entry is found from the pixels; the others' are fixed,
    // and every pixel of alpha 0 goes there.
    const bool medianCut = method == kMedianCut || method == kMedianCutDithered;
    int32_t transparentEntry = medianCut ? -1 : method == kOctree ? 255 : 0;
    const int32_t last = method == kOctree ? 254 - transparent : int32_t(block.count) - 1;
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x) {
            const int32_t index = target.view.Row(y)[x];
            const bool clear = AlphaOf(source.view.Row(y)[x]) == 0;
            transparentEntry = clear && transparentEntry < 0 ? index : transparentEntry;
            if (transparent && clear && !medianCut ? index != transparentEntry : index > last) {
                __builtin_trap();
            }
        }
    }
    for (int32_t i = 0; i < kMaxPaletteEntries; ++i) {
        if (AlphaOf(block.entries[i]) == 0 && (!transparent || i != transparentEntry ||
                                               block.entries[i] != TransparentArgbOf(fill))) {
            __builtin_trap();
        }
    }
    return 0;
}
