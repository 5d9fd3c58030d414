// The colour reduction frame for GIF files: ColorReducer and its driver
// ReduceColors, and PaletteReducer, the fixed-palette reducer with nearest-colour
// mapping that the grayscale, web-safe and halftone reductions build on.
//
// Everything here works on locked pixels (ArgbView in, IndexView out) and a
// palette block; creating, drawing and locking the GDI+ bitmaps is the glue's.
// A reduction that runs out of memory reports it instead of throwing, so the
// caller keeps its 32-bit image and saves that.
#pragma once

#include <cstdint>
#include <vector>

#include "imaging/pixel_view.h"

class ColorReducer {
public:
    explicit ColorReducer(bool fixedPalette) : paletteFixed(fixedPalette) {}
    virtual ~ColorReducer() = default;
    ColorReducer(const ColorReducer&) = delete;
    ColorReducer& operator=(const ColorReducer&) = delete;

    // Hands every pixel to AddColor, rows top to bottom, pixels left to right.
    virtual void Analyze(const ArgbView& bits);
    // Writes MapColor of every pixel into target; a pixel equal to the one before
    // it (in row order, across row ends too) reuses the previous index.
    virtual void Remap(const ArgbView& bits, const IndexView& target);
    virtual void AddColor(Argb pixel);
    virtual uint8_t MapColor(Argb pixel);
    // Fills the block (or returns another one) with the palette to use.
    virtual PaletteBlock& GetPalette(PaletteBlock& block);

    // The palette is known before the image is seen: no analysis pass.
    const bool paletteFixed;
};

// Reduces the working pixels (as drawn: see DrawAsWorkingPixels) into target,
// which has the same size, and sets block to the reduced palette. The block comes
// in as the 8-bit bitmap's own palette. False when memory ran out; target and
// block are then unspecified and the caller keeps the 32-bit image.
bool ReduceColors(ColorReducer& reducer, const ArgbView& bits, const IndexView& target,
                  PaletteBlock& block);

// The reducers see the image as drawn source-over onto a cleared 32-bit bitmap,
// so fully transparent pixels arrive as 0 in all four channels. This is that
// draw (copies source into dest, same size) for pixels in straight ARGB, or,
// with opaque, for pixels of an image without alpha (GDI+'s 32bppRGB, whose
// fourth byte means nothing): every one arrives with alpha 255.
void DrawAsWorkingPixels(const ArgbView& source, const ArgbView& dest, bool opaque = false);

// ReduceColors over source as DrawAsWorkingPixels draws it, with the same
// result, but drawn a band of rows at a time into a small buffer that stays in
// the processor's cache: a whole drawn copy of a 1920 x 1080 grab would be
// 8 MB of fresh memory, filled and copied only to be read once or twice.
// False when memory ran out, as ReduceColors.
bool ReduceDrawnColors(ColorReducer& reducer, const ArgbView& source, bool opaque,
                       const IndexView& target, PaletteBlock& block);

// Every pixel value mapped so far, with its palette index: an open-addressing
// hash table. (An ordered map gives the same answers, but a photo-like grab has
// hundreds of thousands of distinct pixels and a tree lookup per pixel costs
// seconds where this costs milliseconds.)
class PixelIndexCache {
public:
    // True and the index when the pixel was stored before.
    bool Find(Argb pixel, uint8_t& index) const;
    void Store(Argb pixel, uint8_t index);

private:
    struct Slot {
        Argb pixel = 0;
        uint8_t index = 0;
        bool used = false;
    };
    static constexpr size_t kInitialSlots = 1024;  // a power of two
    size_t SlotOf(Argb pixel) const;
    void Grow();

    std::vector<Slot> slots;
    size_t used = 0;
};

// A reducer with a palette given in advance; each pixel goes to its nearest entry.
class PaletteReducer : public ColorReducer {
public:
    PaletteReducer() : ColorReducer(true) {}
    // Takes the block's Count entries in order (at most the block's room).
    explicit PaletteReducer(const PaletteBlock& block);

    // Nearest entry by squared RGB distance, lowest index on a tie; a pixel of
    // alpha 0 goes to the first entry of alpha 0 (or 0). Remembered per pixel value.
    uint8_t MapColor(Argb pixel) override;
    // Copies colors into the block and sets its Count; Flags are left alone.
    PaletteBlock& GetPalette(PaletteBlock& block) override;

protected:
    Palette colors;
    // Every pixel value mapped so far, with its index.
    PixelIndexCache cache;
};
