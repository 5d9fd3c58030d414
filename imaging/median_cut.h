// Median cut colour reduction (GIF methods "Median cut" and "Median cut
// (dithered)"). The method is explained at the top of median_cut.cpp.
#pragma once

#include <cstdint>

#include "base/types.h"
#include "imaging/pixel_view.h"

// One palette entry as bytes, red, green, blue.
struct RgbEntry {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
};

// Chooses up to `colors` (1..256) palette entries for the packed RGB buffer
// (width x height x 3 bytes, rows without padding), writes one index per pixel
// into `indices` (width x height bytes) and the palette into `palette` (room for
// 256). Returns the number of entries chosen. Throws std::bad_alloc when its
// working memory cannot be had.
int32_t QuantizeMedianCut(const uint8_t* rgb, int32_t colors, bool dithered, int32_t width,
                          int32_t height, uint8_t* indices, RgbEntry* palette);

// The pixel side of ReduceByMedianCut: reduces source (straight ARGB, read as it
// is) into target (same size) and rewrites block: its Count becomes the smaller of
// the colours found and the Count it had, and with `transparent` the entry of the
// first pixel of alpha 0 (in row order) becomes the fill colour with alpha 0.
// False when memory ran out; the caller then keeps the 32-bit image.
bool ReduceByMedianCut(const ArgbView& source, Colorref fill, bool transparent, bool dithered,
                       const IndexView& target, PaletteBlock& block);

// The error diffusion's arithmetic, exposed so it can be checked on its own.
// A pixel's error e is spread in sixteenths: 7 ahead, 3 below behind, 5 below, and
// 1 below ahead takes the remainder, so the four parts always add up to e.
struct DitherShares {
    int32_t ahead;        // trunc(7e / 16)
    int32_t belowBehind;  // trunc(3e / 16)
    int32_t below;        // trunc(5e / 16)
    int32_t belowAhead;   // e minus the other three
};
DitherShares SplitDitherError(int32_t error);

// The error a pixel may receive: e itself below 16, then 16 plus half the excess,
// at most 32 (with e's sign).
int32_t LimitDitherError(int32_t error);
