// The size of the thumbnail written next to a stored grab.
#pragma once

#include <cstdint>

struct ThumbnailSize {
    int32_t width = 0;
    int32_t height = 0;
    // A thumbnail is written only when both sides are at least 1.
    bool Makes() const { return width > 0 && height > 0; }
};

// From the thumbnail settings (Thumbnail.Percent, Width, Height, Aspect) and the
// size of the image it is scaled from: a percentage of the source, or a fixed
// width with the height following the source's proportions (Aspect), or a fixed
// width and height. Truncating division throughout.
ThumbnailSize ComputeThumbnailSize(int32_t percent, int32_t width, int32_t height, bool aspect,
                                   int32_t sourceWidth, int32_t sourceHeight);
