// The transparency steps over arbitrary small pictures: keying out the fill
// colour, the alpha taken from the capture, compositing over the fill, and the
// halftone palette's transparent entry with the remap onto that palette. Each
// pixel changes only as its step says, and row padding never.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "imaging/flatten_alpha.h"
#include "imaging/fixed_palettes.h"
#include "imaging/transparency.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const int step = in.ConsumeIntegralInRange(0, 3);
    const Colorref fill = in.ConsumeIntegral<uint32_t>() & kColorMask;
    const int32_t w = in.ConsumeIntegralInRange(1, 40), h = in.ConsumeIntegralInRange(1, 40);
    const int32_t pitch = w + in.ConsumeIntegralInRange(0, 2);  // pixels from row to row
    const bool bottomUp = in.ConsumeBool();
    const int32_t dibPitch = w + in.ConsumeIntegralInRange(0, 2);
    std::vector<Argb> pixels(size_t(pitch) * size_t(h)), dib(size_t(dibPitch) * size_t(h));
    for (Argb& pixel : pixels) {
        pixel = in.ConsumeIntegral<uint32_t>();
    }
    for (Argb& pixel : dib) {
        pixel = in.ConsumeIntegral<uint32_t>();
    }
    const std::vector<Argb> before = pixels;
    const ArgbView bits{w, h, bottomUp ? -4 * pitch : 4 * pitch,
                        reinterpret_cast<uint8_t*>(&pixels[bottomUp ? size_t(h - 1) * pitch : 0])};
    // Where view row y, pixel x lies in the vector.
    auto at = [&](int32_t x, int32_t y) { return size_t(bottomUp ? h - 1 - y : y) * pitch + x; };
    const Argb key = TransparentArgbOf(fill);

    if (step == 0 || step == 1) {
        const uint8_t* dibBits = step == 1 ? reinterpret_cast<const uint8_t*>(dib.data()) : nullptr;
        ApplyCapturedAlpha(bits, fill, dibBits, 4 * dibPitch);
        for (int32_t y = 0; y < h; ++y) {
            for (int32_t x = 0; x < pitch; ++x) {
                const Argb old = before[at(x, y)];
                const Argb expected =
                    x >= w ? old
                    : step == 1
                        ? (dib[size_t(h - 1 - y) * dibPitch + x] & kOpaque) | (old & kColorMask)
                    : old == (kOpaque | key) ? key
                                             : old;
                if (pixels[at(x, y)] != expected) {
                    __builtin_trap();
                }
            }
        }
    } else if (step == 2) {
        bool anyAlpha = false;
        for (int32_t y = 0; y < h; ++y) {
            for (int32_t x = 0; x < w; ++x) {
                anyAlpha = anyAlpha || AlphaOf(before[at(x, y)]) != 0;
            }
        }
        if (HasAnyAlpha(bits) != anyAlpha) {
            __builtin_trap();
        }
        FlattenAlpha(bits, fill);
        for (int32_t y = 0; y < h; ++y) {
            for (int32_t x = 0; x < pitch; ++x) {
                const Argb now = pixels[at(x, y)];
                if (x < w ? AlphaOf(now) != 255 : now != before[at(x, y)]) {
                    __builtin_trap();
                }
            }
        }
    } else {
        // The palette read back from the GIF just written, then the remap onto it.
        PaletteBlock block;
        block.count = in.ConsumeIntegralInRange(1, kMaxPaletteEntries);
        std::copy(dib.begin(), dib.begin() + std::min<size_t>(dib.size(), block.count),
                  block.entries);
        const int32_t chosen = ChooseHalftoneTransparentEntry(block, fill);
        for (int32_t i = 0; i < int32_t(block.count); ++i) {
            if (i == chosen ? i < 41 || block.entries[i] != key
                            : AlphaOf(block.entries[i]) != 255) {
                __builtin_trap();
            }
        }
        PaletteReducer reducer(block);
        std::vector<Argb> working(size_t(w) * h);
        const ArgbView workingBits{w, h, 4 * w, reinterpret_cast<uint8_t*>(working.data())};
        DrawAsWorkingPixels(bits, workingBits);
        std::vector<uint8_t> indices(working.size());
        if (!ReduceColors(reducer, workingBits, IndexView{w, h, w, indices.data()}, block) ||
            *std::max_element(indices.begin(), indices.end()) >= block.count) {
            __builtin_trap();
        }
    }
    return 0;
}
