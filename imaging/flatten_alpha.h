// FlattenAlpha: composites a grab's pixels over the fill colour by their alpha
// bytes, leaving an opaque picture (the background of a layered or alpha-blended
// window becomes the fill colour).
#pragma once

#include <cstdint>

#include "base/types.h"

// bits: width x height pixels of 4 bytes (blue, green, red, alpha), rows
// contiguous as in a 32-bit DIB section. Each channel becomes
// floor(channel * a / 255) + floor((255 - a) * fill channel / 255); alpha 255.
void FlattenAlpha(uint8_t* bits, int32_t width, int32_t height, Colorref color);

// Whether any pixel has a non-zero alpha byte. A screen copy that delivers no
// alpha at all (every byte 0, as GDI copies of ordinary windows do) carries no
// transparency: compositing it by its alpha would replace the whole picture
// with the fill colour.
bool HasAnyAlpha(const uint8_t* bits, int32_t width, int32_t height);
