// Background transparency, the pixel side: the copy of the grab that the glue has
// cloned into 32-bit ARGB and locked is rewritten in place.
#pragma once

#include <cstdint>

#include "base/types.h"
#include "imaging/pixel_view.h"

// Every pixel that is exactly the opaque fill colour becomes the fill colour with
// alpha 0; every other pixel keeps its value, however close.
void MakeColorTransparent(const ArgbView& bits, Colorref fill);

// Takes each pixel's alpha from the capture's 32-bit bottom-up DIB section
// (dibBits, rows dibStride bytes apart; byte 3 of a pixel is its alpha), keeping
// the colour channels. The first image row comes from the last DIB row. Without
// addressable DIB pixels (dibBits null) the fill colour is keyed out instead.
void ApplyCapturedAlpha(const ArgbView& bits, Colorref fill, const uint8_t* dibBits,
                        int32_t dibStride);
