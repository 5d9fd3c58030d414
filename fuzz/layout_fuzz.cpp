// The watermark's tiles and the thumbnail's size for arbitrary settings and
// picture sizes: every tile handed to the drawing is non-empty and overlaps
// the target, and a thumbnail is never of negative size.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstring>

#include "imaging/thumbnail_size.h"
#include "imaging/watermark_layout.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    WatermarkSettings s;
    s.Stretch = in.ConsumeBool();
    s.Aspect = in.ConsumeBool();
    for (int32_t* field :
         {&s.Percent, &s.Width, &s.Height, &s.Style, &s.Rows, &s.Columns, &s.Corner}) {
        *field =
            in.ConsumeBool() ? in.ConsumeIntegralInRange(-2, 4) : in.ConsumeIntegral<int32_t>();
    }
    // Any float a text may give, infinities and NaN included.
    for (float* offset : {&s.HOffset, &s.VOffset}) {
        const uint32_t bits = in.ConsumeIntegral<uint32_t>();
        memcpy(offset, &bits, sizeof bits);
    }
    // A grab of at most 1024 x 1024 keeps the tiles shown per run to a million.
    const Size target{in.ConsumeIntegralInRange(1, 1024), in.ConsumeIntegralInRange(1, 1024)};
    const Size reference{in.ConsumeIntegral<int32_t>(), in.ConsumeIntegral<int32_t>()};
    const Size mark{in.ConsumeIntegral<int32_t>(), in.ConsumeIntegral<int32_t>()};
    ForEachVisibleTile(LayoutWatermark(s, target, reference, mark), target, [&](const TileRect& t) {
        if (t.width <= 0 || t.height <= 0 || t.x >= target.width || t.y >= target.height ||
            int64_t{t.x} + t.width <= 0 || int64_t{t.y} + t.height <= 0) {
            __builtin_trap();
        }
    });
    const ThumbnailSize thumbnail = ComputeThumbnailSize(s.Percent, s.Width, s.Height, s.Aspect,
                                                         reference.width, reference.height);
    if (thumbnail.width < 0 || thumbnail.height < 0) {
        __builtin_trap();
    }
    return 0;
}
