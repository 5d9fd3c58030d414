// FlattenAlpha; see flatten_alpha.h.
#include "imaging/flatten_alpha.h"

#include <cstddef>

namespace {

constexpr uint32_t kFullAlpha = 255;

// The two quotients are taken separately, so the sum never exceeds 255.
uint8_t Over(uint32_t channel, uint32_t alpha, uint32_t fill) {
    return static_cast<uint8_t>(channel * alpha / kFullAlpha +
                                (kFullAlpha - alpha) * fill / kFullAlpha);
}

}  // namespace

void FlattenAlpha(uint8_t* bits, int32_t width, int32_t height, Colorref color) {
    if (bits == nullptr || width <= 0 || height <= 0) {
        return;
    }
    const uint32_t red = RedOf(color), green = GreenOf(color), blue = BlueOf(color);
    const size_t pixels = static_cast<size_t>(width) * static_cast<size_t>(height);
    for (size_t i = 0; i < pixels; ++i) {
        uint8_t* p = bits + 4 * i;
        const uint32_t a = p[3];
        p[0] = Over(p[0], a, blue);
        p[1] = Over(p[1], a, green);
        p[2] = Over(p[2], a, red);
        p[3] = static_cast<uint8_t>(kFullAlpha);
    }
}

bool HasAnyAlpha(const uint8_t* bits, int32_t width, int32_t height) {
    if (bits == nullptr || width <= 0 || height <= 0) {
        return false;
    }
    const size_t pixels = static_cast<size_t>(width) * static_cast<size_t>(height);
    for (size_t i = 0; i < pixels; ++i) {
        if (bits[4 * i + 3] != 0) {
            return true;
        }
    }
    return false;
}
