// FlattenAlpha: composites a grab's pixels over the fill colour by their alpha
// bytes, leaving an opaque picture (the background of a layered or alpha-blended
// window becomes the fill colour).
#pragma once

#include <cstdint>

#include "base/types.h"
#include "imaging/pixel_view.h"

// Each channel of each pixel of the view becomes
// floor(channel * a / 255) + floor((255 - a) * fill channel / 255); alpha 255.
void FlattenAlpha(const ArgbView& pixels, Colorref color);

// Whether any pixel has a non-zero alpha byte. A screen copy that delivers no
// alpha at all (every byte 0, as GDI copies of ordinary windows do) carries no
// transparency: compositing it by its alpha would replace the whole picture
// with the fill colour.
bool HasAnyAlpha(const ArgbView& pixels);
