// Where DrawWatermark puts the watermark: the rectangles it would draw, from the
// watermark settings and the sizes of the target, the reference image and the
// watermark image. Loading and drawing are the glue's.
#pragma once

#include <cstdint>
#include <functional>

#include "settings/grab_settings.h"

struct Size {
    int32_t width = 0;
    int32_t height = 0;
};

// One drawn copy of the watermark, scaled into this rectangle of the target.
struct TileRect {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
};

inline bool operator==(const TileRect& a, const TileRect& b) {
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

// The checkerboard of tiles (one tile for the centered and cornered styles).
struct WatermarkLayout {
    int32_t x0 = 0;
    int32_t y0 = 0;
    int32_t width = 0;   // w: drawn width of one tile
    int32_t height = 0;  // h
    int32_t rows = 0;
    int32_t columns = 0;
    int32_t columnStep = 1;  // 2 for the tiled style: every other column
};

// False when the settings draw nothing before the watermark file is even opened:
// resized to a fixed size of width 0, or of height 0 without the aspect rule.
bool WatermarkHasSize(const WatermarkSettings& settings);

// The layout for a watermark image of size `mark`. A size that would divide by
// zero (an unreadable watermark of 0 x 0, no columns or rows, a tile height of 0)
// gives a layout with no rows: nothing is drawn.
WatermarkLayout LayoutWatermark(const WatermarkSettings& settings, Size target, Size reference,
                                Size mark);

// Hands draw each tile that shows in a target of that size, in drawing order:
// row by row, and within a row from the row's first column (0 or 1,
// alternating) every columnStep columns. Tiles wholly outside the target and
// empty ones are skipped, and nothing is stored: the walk costs time in
// proportion to the tiles shown and no memory, whatever rows and columns a
// hand-edited file asks for.
void ForEachVisibleTile(const WatermarkLayout& layout, Size target,
                        const std::function<void(const TileRect&)>& draw);
