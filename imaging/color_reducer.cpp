// The colour reduction frame and the fixed-palette reducer; see color_reducer.h.
#include "imaging/color_reducer.h"

#include <algorithm>
#include <new>

void ColorReducer::Analyze(const ArgbView& bits) {
    for (int32_t y = 0; y < bits.height; ++y) {
        const Argb* row = bits.Row(y);
        for (int32_t x = 0; x < bits.width; ++x) {
            AddColor(row[x]);
        }
    }
}

void ColorReducer::Remap(const ArgbView& bits, const IndexView& target) {
    if (bits.width <= 0 || bits.height <= 0) {
        return;
    }
    // Runs of equal pixels (flat areas of a screen) skip even the cache lookup.
    Argb previous = bits.Row(0)[0];
    uint8_t index = MapColor(previous);
    for (int32_t y = 0; y < bits.height; ++y) {
        const Argb* source = bits.Row(y);
        uint8_t* dest = target.Row(y);
        for (int32_t x = 0; x < bits.width; ++x) {
            if (source[x] != previous) {
                previous = source[x];
                index = MapColor(previous);
            }
            dest[x] = index;
        }
    }
}

void ColorReducer::AddColor(Argb) {}

uint8_t ColorReducer::MapColor(Argb) {
    return 0;
}

PaletteBlock& ColorReducer::GetPalette(PaletteBlock& block) {
    return block;
}

bool ReduceColors(ColorReducer& reducer, const ArgbView& bits, const IndexView& target,
                  PaletteBlock& block) {
    // The reduction boundary: every container of a reducer grows here, and a
    // grab too large for the memory left must not take the save down with it.
    try {
        if (!reducer.paletteFixed) {
            reducer.Analyze(bits);
        }
        PaletteBlock& result = reducer.GetPalette(block);
        if (&result != &block) {
            block = result;
        }
        reducer.Remap(bits, target);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

void DrawAsWorkingPixels(const ArgbView& source, const ArgbView& dest, bool opaque) {
    for (int32_t y = 0; y < source.height; ++y) {
        const Argb* from = source.Row(y);
        Argb* to = dest.Row(y);
        if (opaque) {
            for (int32_t x = 0; x < source.width; ++x) {
                to[x] = from[x] | kOpaque;
            }
            continue;
        }
        for (int32_t x = 0; x < source.width; ++x) {
            to[x] = AlphaOf(from[x]) == 0 ? 0 : from[x];
        }
    }
}

namespace {

// Pixels drawn per band: 128 KB, well inside the cache of any processor the
// program runs on, and many rows of any screen.
constexpr int32_t kBandPixels = 32 * 1024;

}  // namespace

bool ReduceDrawnColors(ColorReducer& reducer, const ArgbView& source, bool opaque,
                       const IndexView& target, PaletteBlock& block) {
    // Band by band gives what the whole picture gives: the analysis sees every
    // pixel once in the same order (the reducer keeps its state between
    // calls), and a pixel's index depends only on its value and the palette.
    try {
        const int32_t width = std::max(source.width, 0);
        const int32_t height = std::max(source.height, 0);
        const int32_t bandRows = std::max(1, std::min(kBandPixels / std::max(width, 1), height));
        std::vector<Argb> band(static_cast<size_t>(width) * static_cast<size_t>(bandRows));
        auto draw = [&](int32_t y, int32_t rows) {
            const ArgbView from{width, rows, source.stride,
                                reinterpret_cast<uint8_t*>(source.Row(y))};
            const ArgbView to{width, rows, width * static_cast<int32_t>(sizeof(Argb)),
                              reinterpret_cast<uint8_t*>(band.data())};
            DrawAsWorkingPixels(from, to, opaque);
            return to;
        };
        if (!reducer.paletteFixed) {
            for (int32_t y = 0; y < height; y += bandRows) {
                reducer.Analyze(draw(y, std::min(bandRows, height - y)));
            }
        }
        PaletteBlock& result = reducer.GetPalette(block);
        if (&result != &block) {
            block = result;
        }
        for (int32_t y = 0; y < height; y += bandRows) {
            const int32_t rows = std::min(bandRows, height - y);
            reducer.Remap(draw(y, rows), IndexView{width, rows, target.stride, target.Row(y)});
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

PaletteReducer::PaletteReducer(const PaletteBlock& block) : ColorReducer(true) {
    uint32_t count = std::min<uint32_t>(block.count, kMaxPaletteEntries);
    colors.assign(block.entries, block.entries + count);
}

namespace {

// Larger than any squared RGB distance (3 x 255^2): the search's starting best.
constexpr int32_t kNoDistance = 2147483647;

uint8_t NearestEntry(const Palette& colors, Argb pixel) {
    int32_t red = static_cast<int32_t>(RedOfArgb(pixel));
    int32_t green = static_cast<int32_t>(GreenOfArgb(pixel));
    int32_t blue = static_cast<int32_t>(BlueOfArgb(pixel));
    size_t best = 0;
    int32_t bestDistance = kNoDistance;
    for (size_t i = 0; i < colors.size(); ++i) {
        int32_t db = blue - static_cast<int32_t>(BlueOfArgb(colors[i]));
        int32_t dg = green - static_cast<int32_t>(GreenOfArgb(colors[i]));
        int32_t dr = red - static_cast<int32_t>(RedOfArgb(colors[i]));
        int32_t d = db * db + dg * dg + dr * dr;
        if (d < bestDistance) {
            best = i;
            bestDistance = d;
            if (d == 0) {
                break;
            }
        }
    }
    return static_cast<uint8_t>(best);
}

uint8_t FirstTransparentEntry(const Palette& colors) {
    for (size_t i = 0; i < colors.size(); ++i) {
        if (AlphaOf(colors[i]) == 0) {
            return static_cast<uint8_t>(i);
        }
    }
    return 0;
}

}  // namespace

size_t PixelIndexCache::SlotOf(Argb pixel) const {
    // Fibonacci hashing: neighbouring colours land far apart.
    return static_cast<size_t>((pixel * 2654435769u) >> 8) & (slots.size() - 1);
}

bool PixelIndexCache::Find(Argb pixel, uint8_t& index) const {
    if (slots.empty()) {
        return false;
    }
    for (size_t i = SlotOf(pixel);; i = (i + 1) & (slots.size() - 1)) {
        if (!slots[i].used) {
            return false;
        }
        if (slots[i].pixel == pixel) {
            index = slots[i].index;
            return true;
        }
    }
}

void PixelIndexCache::Store(Argb pixel, uint8_t index) {
    if (2 * (used + 1) > slots.size()) {
        Grow();  // at most half full, so probes stay short
    }
    size_t i = SlotOf(pixel);
    while (slots[i].used && slots[i].pixel != pixel) {
        i = (i + 1) & (slots.size() - 1);
    }
    if (!slots[i].used) {
        ++used;
    }
    slots[i] = Slot{pixel, index, true};
}

void PixelIndexCache::Grow() {
    std::vector<Slot> old;
    old.swap(slots);
    slots.assign(old.empty() ? kInitialSlots : 2 * old.size(), Slot());
    used = 0;
    for (const Slot& s : old) {
        if (s.used) {
            Store(s.pixel, s.index);
        }
    }
}

uint8_t PaletteReducer::MapColor(Argb pixel) {
    uint8_t index = 0;
    if (cache.Find(pixel, index)) {
        return index;
    }
    index = AlphaOf(pixel) != 0 ? NearestEntry(colors, pixel) : FirstTransparentEntry(colors);
    cache.Store(pixel, index);
    return index;
}

PaletteBlock& PaletteReducer::GetPalette(PaletteBlock& block) {
    size_t count = std::min<size_t>(colors.size(), kMaxPaletteEntries);
    std::copy(colors.begin(), colors.begin() + count, block.entries);
    block.count = static_cast<uint32_t>(count);
    return block;
}
