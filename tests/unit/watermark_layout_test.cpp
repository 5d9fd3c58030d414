#include "imaging/watermark_layout.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <vector>

namespace {

constexpr int32_t kCentered = 0, kTiled = 1, kCornered = 2;

WatermarkSettings Make(int32_t style, bool stretch = false, int32_t percent = 0, int32_t width = 0,
                       int32_t height = 0, bool aspect = false, int32_t columns = 0,
                       int32_t rows = 0) {
    WatermarkSettings s;
    std::tie(s.Style, s.Stretch, s.Percent, s.Width, s.Height, s.Aspect, s.Columns, s.Rows) =
        std::make_tuple(style, stretch, percent, width, height, aspect, columns, rows);
    return s;
}

// x0, y0, width, height, rows, columns of a layout.
using Fields = std::array<int32_t, 6>;
Fields FieldsOf(const WatermarkLayout& l) {
    return {l.x0, l.y0, l.width, l.height, l.rows, l.columns};
}

}  // namespace

TEST(WatermarkLayout, CenteredSizesFollowTheReference) {
    const int32_t kMax = INT32_MAX, kHuge = 2000000000, kAt = (100 - kMax) / 2;
    // Stretch, percent, width, height, aspect, the reference's and the
    // watermark's sizes, and the layout over a target of 100 x 100.
    const std::tuple<bool, int32_t, int32_t, int32_t, bool, Size, Size, Fields> cases[] = {
        {false, 0, 0, 0, false, {1, 1}, {30, 21}, {35, 39, 30, 21, 1, 1}},
        {false, 0, 0, 0, false, {1, 1}, {105, 100}, {-2, 0, 105, 100, 1, 1}},  // toward zero
        {true, 0, 120, 0, true, {800, 600}, {200, 50}, {-10, 35, 120, 30, 1, 1}},
        {true, 0, 0, 50, false, {800, 600}, {200, 50}, {}},  // a fixed size without width
        {true, 0, 40, 0, false, {800, 600}, {200, 50}, {}},  // nor height: WatermarkHasSize
        {true, 25, 0, 0, false, {801, 601}, {10, 10}, {-50, -25, 200, 150, 1, 1}},
        {true, 25, 0, 0, true, {800, 600}, {300, 100}, {-50, 17, 200, 66, 1, 1}},
        {true, 0, 64, 48, false, {10, 10}, {300, 100}, {18, 26, 64, 48, 1, 1}},
        {true, 10, 0, 0, true, {300, 300}, {0, 0}, {}},  // unreadable watermark
        // Absurd settings saturate instead of wrapping.
        {true, kHuge, 0, 0, false, {400, 300}, {1, 1}, {kAt, kAt, kMax, kMax, 1, 1}},
    };
    for (const auto& [stretch, percent, width, height, aspect, reference, mark, layout] : cases) {
        WatermarkSettings s = Make(kCentered, stretch, percent, width, height, aspect);
        EXPECT_EQ(FieldsOf(LayoutWatermark(s, {100, 100}, reference, mark)), layout)
            << percent << " " << width;
    }
}

TEST(WatermarkLayout, CorneredOrigins) {
    // The corner, the offsets, and the origin they give: trunc(640 - 64 x
    // offset) - 64 and so on, in double arithmetic.
    const std::tuple<int32_t, float, float, int32_t, int32_t> cases[] = {
        {3, 0.5f, 0.25f, 544, 440},  {0, 0.5f, 0.25f, 32, 8}, {1, 0.5f, 0.25f, 544, 8},
        {2, 0.5f, 0.25f, 32, 440},   {1, 0.1f, 0.1f, 569, 3},  // trunc(640 - 6.4) - 64
        {0, -0.1f, 0.0f, -6, 0},                               // toward zero, not down
        {3, 1e-9f, 1e-9f, 575, 447},                           // 640 - tiny rounds to 640
        {4, 0.5f, 0.25f, 0, 0},  // no such corner: the settings are damaged
    };
    for (const auto& [corner, h, v, x0, y0] : cases) {
        WatermarkSettings s = Make(kCornered);
        s.Corner = corner;
        s.HOffset = h;
        s.VOffset = v;
        EXPECT_EQ(FieldsOf(LayoutWatermark(s, {640, 480}, {640, 480}, {64, 32})),
                  (corner < 4 ? Fields{x0, y0, 64, 32, 1, 1} : Fields{}))
            << corner << " " << h;
    }
}

TEST(WatermarkLayout, TiledSizesAndZeroDivisors) {
    // Stretch, aspect, columns, rows, the watermark's size and the layout over a
    // target and reference of 300 x 300.
    const std::tuple<bool, bool, int32_t, int32_t, Size, Fields> cases[] = {
        {false, false, 0, 0, {70, 40}, {0, 0, 70, 40, 7, 4}},  // as many as fit
        {true, false, 4, 3, {7, 9}, {0, 0, 75, 100, 3, 4}},
        {true, true, 4, 1, {200, 100}, {0, 0, 75, 37, 8, 4}},  // rows fill the target
        {true, false, 0, 3, {10, 10}, {}},                     // no columns
        {true, false, 3, 0, {10, 10}, {}},                     // no rows
        {true, true, 3, 3, {300, 1}, {}},                      // tile height 0
        {true, true, 3, 3, {0, 0}, {}},                        // unreadable watermark
        {false, false, 0, 0, {0, 5}, {}},
        {false, false, 0, 0, {5, 0}, {}},
    };
    for (const auto& [stretch, aspect, columns, rows, mark, layout] : cases) {
        // The percentage is not used for tiles.
        WatermarkSettings s = Make(kTiled, stretch, 50, 0, 0, aspect, columns, rows);
        EXPECT_EQ(FieldsOf(LayoutWatermark(s, {300, 300}, {300, 300}, mark)), layout)
            << columns << " x " << rows;
    }
}

TEST(WatermarkLayout, TilesFormACheckerboardOfTheShownTilesOnly) {
    // Every other column, odd rows starting one column in; over a 60 x 40 target,
    // where a tile that only touches an edge is not shown.
    const std::tuple<WatermarkLayout, std::vector<TileRect>> cases[] = {
        {{-30, -20, 30, 20, 4, 4, 2}, {{0, 0, 30, 20}, {30, 20, 30, 20}}},
        {{-29, -19, 30, 20, 4, 4, 2},
         {{-29, -19, 30, 20},
          {31, -19, 30, 20},
          {1, 1, 30, 20},
          {-29, 21, 30, 20},
          {31, 21, 30, 20}}},
        {{10, 10, 64, 32, 1, 1, 1}, {{10, 10, 64, 32}}},  // one centred tile
        {{-500, 0, 30, 20, 3, 3, 2}, {}},                 // wholly outside
        {{0, 0, -30, 20, 3, 3, 2}, {}},                   // mirrored
        {{0, 0, 30, 0, 3, 3, 2}, {}},                     // empty
    };
    for (const auto& [layout, tiles] : cases) {
        std::vector<TileRect> shown;
        ForEachVisibleTile(layout, {60, 40}, [&](const TileRect& t) { shown.push_back(t); });
        EXPECT_EQ(shown, tiles) << layout.x0 << ", " << layout.y0;
    }
}
