// Views of locked pixels, shaped like GDI+'s BitmapData (Width, Height, Stride,
// Scan0), and the palette block shaped like its ColorPalette.
//
// The GDI+ glue locks a bitmap and hands these views to the portable image code,
// which never owns the pixels it is shown. Stride may be negative (a bottom-up
// buffer); rows are always found through Row().
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/types.h"

// 32-bit ARGB pixels: in memory blue, green, red, alpha (one little-endian Argb).
struct ArgbView {
    int32_t width = 0;
    int32_t height = 0;
    int32_t stride = 0;  // bytes from one row to the next
    uint8_t* scan0 = nullptr;

    Argb* Row(int32_t y) const {
        return reinterpret_cast<Argb*>(scan0 + static_cast<ptrdiff_t>(y) * stride);
    }
};

// 8-bit indexed pixels, one palette index per byte.
struct IndexView {
    int32_t width = 0;
    int32_t height = 0;
    int32_t stride = 0;
    uint8_t* scan0 = nullptr;

    uint8_t* Row(int32_t y) const { return scan0 + static_cast<ptrdiff_t>(y) * stride; }
};

// Room for the largest palette an 8-bit bitmap carries.
constexpr int kMaxPaletteEntries = 256;

// A GDI+ ColorPalette block for an 8-bit bitmap: flags, the number of entries in
// use, and the entries themselves.
struct PaletteBlock {
    uint32_t flags = 0;
    uint32_t count = 0;
    Argb entries[kMaxPaletteEntries] = {};
};

// Palettes the reducers build for themselves: ARGB entries in index order.
using Palette = std::vector<Argb>;

constexpr uint32_t AlphaOf(Argb pixel) {
    return pixel >> 24;
}
constexpr uint32_t RedOfArgb(Argb pixel) {
    return (pixel >> 16) & 0xFF;
}
constexpr uint32_t GreenOfArgb(Argb pixel) {
    return (pixel >> 8) & 0xFF;
}
constexpr uint32_t BlueOfArgb(Argb pixel) {
    return pixel & 0xFF;
}

constexpr Argb kOpaque = 0xFF000000u;
constexpr Argb kColorMask = 0x00FFFFFFu;

constexpr Argb MakeArgb(uint32_t alpha, uint32_t red, uint32_t green, uint32_t blue) {
    return ((alpha & 0xFF) << 24) | ((red & 0xFF) << 16) | ((green & 0xFF) << 8) | (blue & 0xFF);
}

// A settings colour as a pixel with alpha 0: red << 16 | green << 8 | blue.
constexpr Argb TransparentArgbOf(Colorref color) {
    return MakeArgb(0, RedOf(color), GreenOf(color), BlueOf(color));
}
