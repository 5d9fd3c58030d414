// Watermark layout; see watermark_layout.h.
//
// Sizes and positions are 32-bit integers with divisions truncating toward zero,
// each formula evaluated left to right (multiply, then divide). Products are
// formed in 64 bits and the results saturated to 32 bits, so absurd settings
// (a percentage in the millions) give a huge rectangle that the drawing clips
// rather than a wrapped one. The corner offsets are the float settings widened to
// double; they are computed with ExactDouble so that every build truncates them
// alike.
#include "imaging/watermark_layout.h"

#include <algorithm>
#include <limits>

#include "imaging/exact_double.h"

namespace {

enum Style : int32_t { kCentered = 0, kTiled = 1, kCornered = 2 };
enum Corner : int32_t { kTopLeft = 0, kTopRight = 1, kBottomLeft = 2, kBottomRight = 3 };

constexpr int64_t kPercent = 100;

int32_t Saturate(int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

// a * b / c in the 32-bit result range; c must not be 0.
int32_t MulDiv(int64_t a, int64_t b, int64_t c) {
    return Saturate(a * b / c);
}

// trunc(w * offset) and trunc(extent - w * offset), in double arithmetic.
int64_t Near(int32_t w, float offset) {
    return (ExactDouble::FromInt(w) * ExactDouble::FromFloat(offset)).Trunc();
}
// Held within 2^62, so that taking a 32-bit width off it cannot overflow; a
// value that far out saturates the layout's 32 bits all the same.
int64_t Far(int32_t extent, int32_t w, float offset) {
    constexpr int64_t kFar = int64_t{1} << 62;
    return std::clamp<int64_t>(
        (ExactDouble::FromInt(extent) - ExactDouble::FromInt(w) * ExactDouble::FromFloat(offset))
            .Trunc(),
        -kFar, kFar);
}

// floor(a / b) for b > 0.
int64_t FloorDiv(int64_t a, int64_t b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// The tiles i in [0, count) along one axis, each covering [origin + i * size,
// origin + (i + 1) * size), that overlap [0, extent); empty when first > last.
struct Span {
    int64_t first;
    int64_t last;
};
Span VisibleSpan(int64_t origin, int64_t size, int64_t count, int64_t extent) {
    return {std::max<int64_t>(0, FloorDiv(-origin, size)),
            std::min<int64_t>(count - 1, FloorDiv(extent - origin - 1, size))};
}

WatermarkLayout Nothing() {
    return WatermarkLayout();
}

}  // namespace

bool WatermarkHasSize(const WatermarkSettings& s) {
    if (s.Stretch && s.Percent == 0) {
        if (s.Width == 0) {
            return false;
        }
        if (s.Height == 0 && !s.Aspect) {
            return false;
        }
    }
    return true;
}

WatermarkLayout LayoutWatermark(const WatermarkSettings& s, Size target, Size reference,
                                Size mark) {
    if (!WatermarkHasSize(s)) {
        return Nothing();
    }
    WatermarkLayout layout;
    if (s.Style == kCentered || s.Style == kCornered) {
        if (s.Stretch) {
            layout.width = s.Percent != 0 ? MulDiv(s.Percent, reference.width, kPercent) : s.Width;
            if (s.Aspect) {
                if (mark.width == 0) {
                    return Nothing();
                }
                layout.height = MulDiv(layout.width, mark.height, mark.width);
            } else {
                layout.height =
                    s.Percent != 0 ? MulDiv(s.Percent, reference.height, kPercent) : s.Height;
            }
        } else {
            layout.width = mark.width;
            layout.height = mark.height;
        }
        layout.rows = 1;
        layout.columns = 1;
        layout.columnStep = 1;
        const int32_t w = layout.width, h = layout.height;
        if (s.Style == kCentered) {
            layout.x0 = Saturate((int64_t{target.width} - w) / 2);
            layout.y0 = Saturate((int64_t{target.height} - h) / 2);
            return layout;
        }
        switch (s.Corner) {
            case kTopLeft:
                layout.x0 = Saturate(Near(w, s.HOffset));
                layout.y0 = Saturate(Near(h, s.VOffset));
                break;
            case kTopRight:
                layout.x0 = Saturate(Far(target.width, w, s.HOffset) - w);
                layout.y0 = Saturate(Near(h, s.VOffset));
                break;
            case kBottomLeft:
                layout.x0 = Saturate(Near(w, s.HOffset));
                layout.y0 = Saturate(Far(target.height, h, s.VOffset) - h);
                break;
            case kBottomRight:
                layout.x0 = Saturate(Far(target.width, w, s.HOffset) - w);
                layout.y0 = Saturate(Far(target.height, h, s.VOffset) - h);
                break;
            default:
                return Nothing();  // no such corner: the settings are damaged
        }
        return layout;
    }
    if (s.Style != kTiled) {
        return Nothing();
    }
    layout.columnStep = 2;
    if (s.Stretch) {
        if (s.Columns == 0) {
            return Nothing();
        }
        layout.columns = s.Columns;
        layout.width = Saturate(int64_t{reference.width} / s.Columns);
        if (s.Aspect) {
            if (mark.width == 0) {
                return Nothing();
            }
            layout.height = MulDiv(layout.width, mark.height, mark.width);
            if (layout.height == 0) {
                return Nothing();
            }
            layout.rows = Saturate(int64_t{target.height} / layout.height);
        } else {
            if (s.Rows == 0) {
                return Nothing();
            }
            layout.rows = s.Rows;
            layout.height = Saturate(int64_t{reference.height} / s.Rows);
        }
    } else {
        if (mark.width == 0 || mark.height == 0) {
            return Nothing();
        }
        layout.width = mark.width;
        layout.height = mark.height;
        layout.rows = Saturate(int64_t{target.height} / mark.height);
        layout.columns = Saturate(int64_t{target.width} / mark.width);
    }
    return layout;
}

void ForEachVisibleTile(const WatermarkLayout& layout, Size target,
                        const std::function<void(const TileRect&)>& draw) {
    const int64_t w = layout.width, h = layout.height, step = layout.columnStep;
    if (w <= 0 || h <= 0 || step <= 0) {
        return;  // empty tiles draw nothing
    }
    const Span rows = VisibleSpan(layout.y0, h, layout.rows, target.height);
    const Span columns = VisibleSpan(layout.x0, w, layout.columns, target.width);
    for (int64_t r = rows.first; r <= rows.last; ++r) {
        // The first visible column of this row's checkerboard pattern.
        const int64_t rowFirst = r % 2;
        int64_t c = std::max(columns.first, rowFirst);
        c += (step - (c - rowFirst) % step) % step;
        for (; c <= columns.last; c += step) {
            // Shown, so inside the target: the position fits in 32 bits.
            draw(TileRect{static_cast<int32_t>(layout.x0 + c * w),
                          static_cast<int32_t>(layout.y0 + r * h), layout.width, layout.height});
        }
    }
}
