// The few Windows value types the portable core needs, with the same layout as
// their Windows counterparts so glue code can pass them straight through.
#pragma once

#include <cstdint>

// Red in bits 0-7, green 8-15, blue 16-23, top byte 0 (a Windows COLORREF).
using Colorref = uint32_t;

// A GDI+ pixel: alpha in the top byte, then red, green, blue.
using Argb = uint32_t;

constexpr Colorref MakeColorref(uint32_t red, uint32_t green, uint32_t blue) {
    return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}
constexpr uint32_t RedOf(Colorref c) {
    return c & 0xFF;
}
constexpr uint32_t GreenOf(Colorref c) {
    return (c >> 8) & 0xFF;
}
constexpr uint32_t BlueOf(Colorref c) {
    return (c >> 16) & 0xFF;
}

// A screen rectangle, right and bottom exclusive (a Windows RECT).
struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};
