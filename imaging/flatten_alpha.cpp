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

void FlattenAlpha(const ArgbView& pixels, Colorref color) {
    if (pixels.scan0 == nullptr) {
        return;
    }
    const uint32_t red = RedOf(color), green = GreenOf(color), blue = BlueOf(color);
    for (int32_t y = 0; y < pixels.height; ++y) {
        Argb* row = pixels.Row(y);
        for (int32_t x = 0; x < pixels.width; ++x) {
            const Argb p = row[x];
            const uint32_t a = AlphaOf(p);
            row[x] = MakeArgb(kFullAlpha, Over(RedOfArgb(p), a, red),
                              Over(GreenOfArgb(p), a, green), Over(BlueOfArgb(p), a, blue));
        }
    }
}

bool HasAnyAlpha(const ArgbView& pixels) {
    if (pixels.scan0 == nullptr) {
        return false;
    }
    for (int32_t y = 0; y < pixels.height; ++y) {
        const Argb* row = pixels.Row(y);
        for (int32_t x = 0; x < pixels.width; ++x) {
            if (AlphaOf(row[x]) != 0) {
                return true;
            }
        }
    }
    return false;
}
