// Background transparency; see transparency.h.
#include "imaging/transparency.h"

#include <cstring>

void MakeColorTransparent(const ArgbView& bits, Colorref fill) {
    const Argb key = TransparentArgbOf(fill);
    const Argb opaqueKey = kOpaque | key;
    for (int32_t y = 0; y < bits.height; ++y) {
        Argb* row = bits.Row(y);
        for (int32_t x = 0; x < bits.width; ++x) {
            if (row[x] == opaqueKey) {
                row[x] = key;
            }
        }
    }
}

void ApplyCapturedAlpha(const ArgbView& bits, Colorref fill, const uint8_t* dibBits,
                        int32_t dibStride) {
    if (dibBits == nullptr) {
        MakeColorTransparent(bits, fill);
        return;
    }
    for (int32_t y = 0; y < bits.height; ++y) {
        const uint8_t* dibRow = dibBits + static_cast<ptrdiff_t>(bits.height - 1 - y) * dibStride;
        Argb* row = bits.Row(y);
        for (int32_t x = 0; x < bits.width; ++x) {
            Argb captured;
            std::memcpy(&captured, dibRow + 4 * static_cast<ptrdiff_t>(x), sizeof captured);
            row[x] = (captured & kOpaque) | (row[x] & kColorMask);
        }
    }
}
