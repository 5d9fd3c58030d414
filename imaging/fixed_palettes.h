// The reductions whose palette is known before the image is seen: grayscale, the
// 216-colour web-safe cube, and the palette step of the halftone transparency
// (which reuses the palette the GIF encoder chose for the file it just wrote).
//
// All three are PaletteReducers run through ReduceColors. With transparency on,
// pixels of alpha 0 go to one entry of alpha 0: entry 0 for grayscale and web
// safe, the fill colour's entry for halftone.
#pragma once

#include <cstdint>

#include "imaging/color_reducer.h"

// Grey level of a pixel: trunc(0.587 green + 0.299 red + 0.114 blue + 0.5)
// evaluated in IEEE double precision in that order, so a grey keeps its level.
// Computed in integers so that every build gives the same level (see
// exact_double.h).
int32_t GrayLevel(uint32_t red, uint32_t green, uint32_t blue);

class GrayscaleReducer : public PaletteReducer {
public:
    // Entries: with transparency the fill colour (alpha 0) and greys 1..255,
    // otherwise greys 0..255; 256 either way.
    GrayscaleReducer(bool transparent, Argb transparentColor);

    // The grey entry of the pixel's level; its own arithmetic, no cache.
    uint8_t MapColor(Argb pixel) override;

protected:
    bool transparent;
};

class WebSafeReducer : public PaletteReducer {
public:
    // Entries: with transparency the fill colour (alpha 0) first; then the cube of
    // red, green, blue in 0, 51, ..., 255, blue changing fastest. 217 or 216.
    WebSafeReducer(bool transparent, Argb transparentColor);

    // Pixels of alpha 0 go to entry 0 with transparency on; the rest to their
    // nearest entry, entry 0 included (as PaletteReducer finds it, lowest index
    // on a tie, but worked out from the cube's levels).
    uint8_t MapColor(Argb pixel) override;

protected:
    bool transparent;
};

// The palette step of MakeHalftoneTransparent: of the palette read back from the
// GIF just written, the first entry at index 41 or above that equals the fill
// colour becomes transparent (alpha 0); every other entry becomes opaque. Returns
// that entry's index, or -1 when there is none.
int32_t ChooseHalftoneTransparentEntry(PaletteBlock& block, Colorref fill);
