// The one way to reach the pixels of a 32-bit DIB section (the grab's picture,
// as GDI made it), and the one header for 32-bit rows that GDI makes or reads.
#pragma once

#include <windows.h>

#include <cstdint>

#include "imaging/pixel_view.h"

// A 32-bit DIB section's pixels as they lie in memory: rows of width x 4
// bytes (blue, green, red, fourth byte), stride bytes apart, the first row in
// memory at bits (the bottom row of a bottom-up section).
struct DibPixels {
    uint8_t* bits = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    int32_t stride = 0;
    bool bottomUp = true;

    // The same pixels with the top row first, as GDI+ and the image code
    // want them (a bottom-up section's rows are walked with a negative stride).
    ArgbView TopDown() const;
};

// Bits per pixel of every section these helpers serve.
constexpr WORD kDibBitsPerPixel = 32;

// The section's pixels, after GDI's queued drawing has reached them. False
// (and empty pixels) when bitmap is not an uncompressed (BI_RGB) DIB section
// of 32 bits per pixel with positive sizes.
bool DibSectionPixels(HBITMAP bitmap, DibPixels& pixels);

// The header of width x height pixels of 32 bits in bottom-up rows
// (positive height), uncompressed, with their byte count.
BITMAPINFOHEADER Header32(int32_t width, int32_t height);
