// Thumbnail size; see thumbnail_size.h.
//
// The products are formed in 64 bits: a percentage times a wide grab, or a
// height times a width, can pass 2^32 and would wrap in 32-bit arithmetic.
// Negative settings (a damaged INI file; the dialog does not allow them) make no
// thumbnail, and results beyond the 32-bit range are capped there.
#include "imaging/thumbnail_size.h"

#include <algorithm>
#include <limits>

namespace {

constexpr uint64_t kPercent = 100;

int32_t Capped(uint64_t v) {
    return static_cast<int32_t>(
        std::min<uint64_t>(v, static_cast<uint64_t>(std::numeric_limits<int32_t>::max())));
}

}  // namespace

ThumbnailSize ComputeThumbnailSize(int32_t percent, int32_t width, int32_t height, bool aspect,
                                   int32_t sourceWidth, int32_t sourceHeight) {
    ThumbnailSize size;
    if (percent == 0 && (width == 0 || (height == 0 && !aspect))) {
        return size;  // no thumbnail wanted
    }
    if (percent < 0 || width < 0 || height < 0 || sourceWidth <= 0 || sourceHeight <= 0) {
        return size;
    }
    const uint64_t sw = static_cast<uint64_t>(sourceWidth);
    const uint64_t sh = static_cast<uint64_t>(sourceHeight);
    if (percent != 0) {
        size.width = Capped(sw * static_cast<uint64_t>(percent) / kPercent);
        size.height = Capped(sh * static_cast<uint64_t>(percent) / kPercent);
    } else if (aspect) {
        size.width = width;
        size.height = Capped(sh * static_cast<uint64_t>(width) / sw);
    } else {
        size.width = width;
        size.height = height;
    }
    return size;
}
