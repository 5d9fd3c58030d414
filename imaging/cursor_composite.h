// Cursor compositing: paints a cursor into a grab's picture from its mask and
// colour bitmaps read as 32-bit pixels, so its pixels come out opaque (alpha
// 255). Cursor shadows and screen-inverting pixels are not reproduced: where
// the AND bit is clear the cursor's colour is written, elsewhere the picture
// keeps what the screen copy delivered.
//
// Every bitmap is a view of 32-bit pixels (imaging/pixel_view.h), top row
// first, whatever order its rows have in memory. Rows are counted from the
// bottom below, as a cursor's bitmaps are laid out.
#pragma once

#include <cstdint>

#include "imaging/pixel_view.h"

struct CursorPixels {
    ArgbView mask;    // AND bits; a monochrome cursor's also holds the XOR half
    ArgbView colour;  // absent (no pixels) for a monochrome cursor
    int32_t hotspotX = 0;
    int32_t hotspotY = 0;
    // The system's cursor height (SM_CYCURSOR): a mask twice this tall holds an
    // AND half and an XOR half.
    int32_t systemCursorHeight = 0;
};

// Paints the cursor with its hotspot at (x, y) of the picture, counted from the
// picture's top-left corner; pixels outside the picture are clipped. Returns
// false, painting nothing, when the cursor cannot be composited from these
// buffers (no mask, or a buffer with no pixels): the caller then draws the
// cursor another way.
//
// Never reads outside a buffer: a monochrome cursor's mask is always split in
// halves, whatever its height, and a colour bitmap smaller than the mask leaves
// the pixels it does not cover as captured.
bool CompositeCursor(const ArgbView& picture, const CursorPixels& cursor, int32_t x, int32_t y);
