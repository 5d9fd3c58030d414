// Cursor compositing: paints a cursor into a grab's picture from its mask and
// colour bitmaps read as 32-bit pixels, so its pixels come out opaque (alpha
// 255). Cursor shadows and screen-inverting pixels are not reproduced: where
// the AND bit is clear the cursor's colour is written, elsewhere the picture
// keeps what the screen copy delivered.
//
// Every buffer is bottom-up rows of 4-byte pixels (blue, green, red, fourth
// byte), rows contiguous (width x 4 bytes), as GetDIBits returns 32-bit rows.
#pragma once

#include <cstdint>

struct PixelRows32 {
    uint8_t* bits = nullptr;
    int32_t width = 0;
    int32_t height = 0;
};

struct ConstPixelRows32 {
    const uint8_t* bits = nullptr;  // null: the cursor has no such bitmap
    int32_t width = 0;
    int32_t height = 0;
};

struct CursorPixels {
    ConstPixelRows32 mask;    // AND bits; a monochrome cursor's also holds the XOR half
    ConstPixelRows32 colour;  // absent for a monochrome cursor
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
bool CompositeCursor(const PixelRows32& picture, const CursorPixels& cursor, int32_t x, int32_t y);
